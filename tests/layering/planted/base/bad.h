// planted: base reaching up
#include <vector>
#include "base/le_bytes.h"
#include "search/search_state.h"
