// An engine source that reaches up into the store: the layer check must refuse it.
#include "store/CleanupStore.h"
