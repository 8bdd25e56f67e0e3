// The program's three forms, created in the program's order into their
// global pointers; the first is the main window.
#ifndef DUNMERE_DUNMERE_FORMS_H
#define DUNMERE_DUNMERE_FORMS_H

void create_forms();

#endif
