// A calculation-sheet-like page of 150 elements: double frame, title, an
// emblem picture, a drawing grid, a parts table, a conditions table, notes
// and footer. Used by the page tests, the README picture and the benchmark.
#ifndef TOLVANE_TEST_PAGE_H
#define TOLVANE_TEST_PAGE_H

class QImage;

// The emblem stand-in: 165 x 22 pixels, 8-bit indexed, black bars on white.
QImage test_emblem();

// Emits the elements of the page into the open job; answers how many calls
// answered 1.
int emit_test_page();

const int test_page_elements = 150;

#endif
