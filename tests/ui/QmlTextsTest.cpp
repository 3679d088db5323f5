// SPDX-FileCopyrightText: 2026 The Sorvale authors
// SPDX-License-Identifier: MIT
// Every text the window's QML shows goes through qsTr, so that it is translated: a text property
// bound to a bare string literal, or to pieces joined with "+", is found here with its file and
// line. Texts from the store are translated there.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Finding {
    int line;
    QString expression;
};

// Steps over string literals: true when the character at `at` opens, lies in or closes one
// (`quote` holds the open literal's quote; an escaped character is skipped with its backslash).
bool inLiteral(const QString& text, qsizetype& at, QChar& quote) {
    const QChar c = text[at];
    if (quote.isNull()) {
        if (c == '"' || c == '\'' || c == '`') {
            quote = c;
            return true;
        }
        return false;
    }
    if (c == '\\') {
        ++at;
    } else if (c == quote) {
        quote = QChar();
    }
    return true;
}

// The source with comments blanked out (line breaks kept), strings left as they are.
QString withoutComments(const QString& source) {
    QString result = source;
    QChar quote;
    for (qsizetype at = 0; at < result.size(); ++at) {
        if (inLiteral(result, at, quote)) {
            continue;
        }
        if (result.mid(at, 2) == "//") {
            while (at < result.size() && result[at] != '\n') {
                result[at++] = ' ';
            }
        } else if (result.mid(at, 2) == "/*") {
            while (at < result.size() && result.mid(at, 2) != "*/") {
                result[at] = result[at] == '\n' ? QChar('\n') : QChar(' ');
                ++at;
            }
            if (at < result.size()) {
                result[at] = ' ';
                result[at + 1] = ' ';
                ++at;
            }
        }
    }
    return result;
}

// The expression from `from` to the end of its binding: further lines join while a bracket is
// open or an operator carries the expression over; an unmatched closing brace, or a semicolon or
// comma outside brackets (the next key of an object), ends it.
QString bindingExpression(const QStringList& lines, int line, qsizetype from) {
    static const QRegularExpression continuesAfter(R"re((\+|-|\?|:|&&|\|\||\(|\[|,)\s*$)re");
    static const QRegularExpression continuesBefore(R"re(^\s*(\+|\?|:|\.|&&|\|\|))re");
    QString expression;
    int depth = 0;
    QString text = lines[line].mid(from);
    for (;;) {
        QChar quote;
        for (qsizetype at = 0; at < text.size(); ++at) {
            if (inLiteral(text, at, quote)) {
                continue;
            }
            const QChar c = text[at];
            if (c == '(' || c == '[' || c == '{') {
                ++depth;
            } else if (c == ')' || c == ']' || c == '}') {
                if (--depth < 0) {
                    return expression + text.left(at);
                }
            } else if ((c == ';' || c == ',') && depth == 0) {
                return expression + text.left(at);
            }
        }
        expression += text + '\n';
        const bool open = depth > 0 || text.contains(continuesAfter);
        if (++line >= lines.size() || (!open && !lines[line].contains(continuesBefore))) {
            return expression;
        }
        text = lines[line];
    }
}

// What remains of an expression when the arguments of its translation calls are taken out, and
// whether it made any.
QString outsideTranslations(const QString& expression, bool& translated) {
    static const QRegularExpression call(R"re(\b(qsTr|qsTranslate|qsTrId)\s*\()re");
    QString rest = expression;
    translated = false;
    for (auto match = call.match(rest); match.hasMatch(); match = call.match(rest)) {
        translated = true;
        qsizetype at = match.capturedEnd();
        int depth = 1;
        QChar quote;
        for (; at < rest.size() && depth > 0; ++at) {
            if (inLiteral(rest, at, quote)) {
                continue;
            }
            const QChar c = rest[at];
            if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            }
        }
        rest.replace(match.capturedStart(), at - match.capturedStart(), "TRANSLATED");
    }
    return rest;
}

// Whether a string literal of `expression` says something in words: escapes (such as \u2014)
// and punctuation are no text to translate.
bool hasWordyLiteral(const QString& expression) {
    static const QRegularExpression literal(
        R"re("((?:[^"\\]|\\.)*)"|'((?:[^'\\]|\\.)*)'|`([^`]*)`)re");
    static const QRegularExpression escape(R"re(\\(u[0-9a-fA-F]{4}|x[0-9a-fA-F]{2}|.))re");
    static const QRegularExpression letter(R"re(\p{L})re");
    for (auto it = literal.globalMatch(expression); it.hasNext();) {
        const auto match = it.next();
        QString content = match.captured(1) + match.captured(2) + match.captured(3);
        content.replace(escape, " ");
        if (content.contains(letter)) {
            return true;
        }
    }
    return false;
}

// The source with every palette group blanked out (line breaks kept): a palette's `text` and
// `windowText` are colours, not texts.
QString withoutPalettes(const QString& source) {
    static const QRegularExpression group(R"re(\bpalette\s*\{)re");
    static const QRegularExpression single(R"re(\bpalette\.\w+\s*:[^\n]*)re");
    QString result = source;
    for (auto match = group.match(result); match.hasMatch();
         match = group.match(result, match.capturedEnd())) {
        int depth = 1;
        qsizetype at = match.capturedEnd();
        for (; at < result.size() && depth > 0; ++at) {
            if (result[at] == '{') {
                ++depth;
            } else if (result[at] == '}') {
                --depth;
            } else if (result[at] != '\n') {
                result[at] = ' ';
            }
        }
    }
    for (auto match = single.match(result); match.hasMatch();
         match = single.match(result, match.capturedStart() + 1)) {
        result.replace(match.capturedStart(), match.capturedLength(),
                       QString(match.capturedLength(), ' '));
    }
    return result;
}

std::vector<Finding> untranslatedTexts(const QString& source) {
    // The properties that hold shown text, as bindings, keys of JavaScript objects (the cards'
    // tables) or assignments.
    static const QRegularExpression binding(
        R"re((?:^|[\s{,.])"?(text|title|heading|message|detail|subtitle|placeholderText|toolTip|)re"
        R"re(ToolTip\.text|Accessible\.name|Accessible\.description|label|labels|eyebrow|body)re"
        R"re()"?\s*(:|=(?!=)))re");
    // A component's own text properties (sizeText, selectedText), where they are bound: at the
    // start of a line, so that "Theme.secondaryText :" in a conditional is no binding.
    static const QRegularExpression ownText(
        R"re(^\s*(?:(?:readonly\s+)?property\s+\w+\s+)?(\w+(?:Text|Title))\s*:)re");
    static const QRegularExpression joined(R"re(TRANSLATED[^\n]*\+|\+[^\n]*TRANSLATED)re");
    const QStringList lines = withoutPalettes(withoutComments(source)).split('\n');
    std::vector<Finding> findings;
    for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
        std::vector<QRegularExpressionMatch> matches;
        for (auto it = binding.globalMatch(lines[line]); it.hasNext();) {
            matches.push_back(it.next());
        }
        if (const auto match = ownText.match(lines[line]);
            match.hasMatch() &&
            (matches.empty() || matches.front().capturedStart(1) != match.capturedStart(1))) {
            matches.push_back(match);
        }
        for (const QRegularExpressionMatch& match : matches) {
            const QString expression = bindingExpression(lines, line, match.capturedEnd());
            bool translated = false;
            const QString rest = outsideTranslations(expression, translated);
            if (hasWordyLiteral(rest) || (translated && rest.simplified().contains(joined))) {
                findings.push_back({line + 1, match.captured(1) + ": " + expression.simplified()});
            }
        }
    }
    return findings;
}

std::vector<int> linesOf(const std::vector<Finding>& findings) {
    std::vector<int> lines;
    for (const Finding& finding : findings) {
        lines.push_back(finding.line);
    }
    return lines;
}

TEST(QmlTexts, ABareOrJoinedTextInAnyShownPropertyIsFound) {
    const QString source = R"qml(Item {
    text: "Scan"
    toolTip: "Scan again"
    placeholderText: 'Search'
    Accessible.name: "Sort"
    ToolTip.text: `Later`
    SectionHeader { title: "Privacy" }
    readonly property var cards: [{ "title": "Installers", "text": qsTr("Kept") }]
    text: Store.count + " items"
    text: Store.count > 1 ? qsTr("Several")
                          : "One"
    text: qsTr("Includes ") + row.count
    text: "Scanning happens on "
          + Store.computer
    detail: qsTr("Checking %1").arg(place) + qsTr(" and more")
    onRequested: dialog.title = title + " for " + name
    palette { text: "white" }
    text: "After the palette"
    selectedText: size >= 1 ? "%1 selected".arg(size) : ""
    readonly property string emptyTitle: "Nothing here"
})qml";
    EXPECT_EQ(linesOf(untranslatedTexts(source)),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 15, 16, 18, 19, 20}));
}

TEST(QmlTexts, TranslatedTextsSymbolsAndOtherPropertiesPass) {
    const QString source = R"qml(Item {
    objectName: "count-" + card.category
    symbol: "checkmark.circle"
    color: "white"
    shortcut: "Ctrl+R"
    text: qsTr("Scan")
    text: qsTr("%n item(s)", "", Results.count)
    text: qsTr("%1 across apps").arg(Format.byteCount(size))
    labels: [qsTr("All categories")].concat(Results.categories.map(entry => entry.title))
    text: Store.total !== 0 ? Format.byteCount(Store.total) : "\u2014"
    text: Store.screen.title
    text: qsTr("Matched files for %1").arg(
              popover.name)
    // text: "an old comment"
    /* toolTip: "another"
       title: "and another" */
    text: qsTr("Deep scan complete \u00b7 %n candidate(s)", "", count)
    visible: dialog.text === "OK"
    Image { source: "https://sorvale.example/icon.png" }
    palette {
        text: "white"
        buttonText: "white"
    }
    palette.text: "black"
    color: Store.count === 0 ? Theme.secondaryText
                             : "white"
    sizeText: Format.byteCount(size)
    selectedText: size >= 1 ? qsTr("%1 selected").arg(Format.byteCount(size)) : ""
})qml";
    const auto findings = untranslatedTexts(source);
    for (const Finding& finding : findings) {
        ADD_FAILURE() << "line " << finding.line << ": " << finding.expression.toStdString();
    }
}

TEST(QmlTexts, EveryViewTranslatesItsTexts) {
    const QDir folder(SORVALE_QML_DIR);
    const QStringList files = folder.entryList({"*.qml"}, QDir::Files);
    ASSERT_GT(files.size(), 20) << SORVALE_QML_DIR;
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        for (const Finding& finding : untranslatedTexts(QString::fromUtf8(file.readAll()))) {
            ADD_FAILURE() << name.toStdString() << ":" << finding.line
                          << ": not translated: " << finding.expression.toStdString();
        }
    }
}

} // namespace
