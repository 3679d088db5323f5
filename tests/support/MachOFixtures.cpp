// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
#include "MachOFixtures.h"

namespace sorvale::test {
namespace {

void little32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void big32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

void big64(std::string& out, std::uint64_t value) {
    big32(out, static_cast<std::uint32_t>(value >> 32));
    big32(out, static_cast<std::uint32_t>(value));
}

std::string blob(std::uint32_t magic, std::string_view payload) {
    std::string out;
    big32(out, magic);
    big32(out, static_cast<std::uint32_t>(8 + payload.size()));
    out += payload;
    return out;
}

std::string array(const char* key, const std::vector<std::string>& values) {
    std::string xml = std::string("<key>") + key + "</key><array>";
    for (const std::string& value : values) {
        xml += "<string>" + value + "</string>";
    }
    return xml + "</array>";
}

} // namespace

std::string signedMachO(std::uint32_t cpuType, std::string_view entitlementsXml) {
    constexpr std::uint32_t kSignatureOffset = 0x100;
    std::vector<std::pair<std::uint32_t, std::string>> blobs{
        {0, blob(0xFADE0C02, std::string(32, '\0'))}};
    if (!entitlementsXml.empty()) {
        blobs.emplace_back(5, blob(0xFADE7171, entitlementsXml));
    }
    std::string superBlob;
    std::uint32_t offset = 12 + 8 * static_cast<std::uint32_t>(blobs.size());
    std::string index;
    std::string contents;
    for (const auto& [slot, bytes] : blobs) {
        big32(index, slot);
        big32(index, offset + static_cast<std::uint32_t>(contents.size()));
        contents += bytes;
    }
    big32(superBlob, 0xFADE0CC0);
    big32(superBlob, offset + static_cast<std::uint32_t>(contents.size()));
    big32(superBlob, static_cast<std::uint32_t>(blobs.size()));
    superBlob += index + contents;

    std::string file;
    little32(file, 0xFEEDFACF);
    little32(file, cpuType);
    little32(file, 0);  // subtype
    little32(file, 2);  // MH_EXECUTE
    little32(file, 1);  // one load command
    little32(file, 16); // of 16 bytes
    little32(file, 0);  // flags
    little32(file, 0);  // reserved
    little32(file, 0x1D);
    little32(file, 16);
    little32(file, kSignatureOffset);
    little32(file, static_cast<std::uint32_t>(superBlob.size()));
    file.resize(kSignatureOffset, '\0');
    return file + superBlob;
}

std::string universalFile(const std::vector<std::pair<std::uint32_t, std::string>>& slices,
                          bool wideHeader) {
    std::string file;
    big32(file, wideHeader ? 0xCAFEBABF : 0xCAFEBABE);
    big32(file, static_cast<std::uint32_t>(slices.size()));
    std::uint64_t offset = 4096;
    for (const auto& [cpuType, bytes] : slices) {
        big32(file, cpuType);
        big32(file, 0);
        if (wideHeader) {
            big64(file, offset);
            big64(file, bytes.size());
            big32(file, 12);
            big32(file, 0);
        } else {
            big32(file, static_cast<std::uint32_t>(offset));
            big32(file, static_cast<std::uint32_t>(bytes.size()));
            big32(file, 12);
        }
        offset += (bytes.size() + 4095) / 4096 * 4096;
    }
    for (const auto& slice : slices) {
        file.resize((file.size() + 4095) / 4096 * 4096, '\0');
        file += slice.second;
    }
    return file;
}

std::string entitlements(const std::vector<std::string>& applicationGroups,
                         const std::vector<std::string>& keychainGroups) {
    return R"(<?xml version="1.0" encoding="UTF-8"?>)"
           R"(<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" )"
           R"("http://www.apple.com/DTDs/PropertyList-1.0.dtd">)"
           "<plist version=\"1.0\"><dict>" +
           array("com.apple.security.application-groups", applicationGroups) +
           array("keychain-access-groups", keychainGroups) +
           "<key>com.apple.security.app-sandbox</key><true/></dict></plist>";
}

} // namespace sorvale::test
