// Identifiers of the test program's string table.
#pragma once

#define IDS_TEST_FIRST 1
#define IDS_TEST_SECOND 2
#define IDS_TEST_LAST_OF_BLOCK 15
#define IDS_TEST_NEXT_BLOCK 16
#define IDS_TEST_CZECH 100
#define IDS_TEST_UKRAINIAN 4095
#define IDS_TEST_MISSING 7
#define IDS_TEST_NO_BLOCK 3000

#define IDR_TEST_NUMBERED 300
#define IDR_TEST_MISSING 301
