// Identifiers of the wide lists' message strings; kept high, clear of the program's own.
#pragma once

#define IDS_UNI_LIST_INDEX_ERROR 0xFF00
#define IDS_UNI_SORTED_LIST_ERROR 0xFF01
#define IDS_UNI_DUPLICATE_STRING 0xFF02
