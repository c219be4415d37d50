// planted: app core including a ui/ header and the Qt toolkit
#include "search/ui/search_dialog.h"
#include "framework/tkodialog.h"
#include "framework/model/view_stack.h"
