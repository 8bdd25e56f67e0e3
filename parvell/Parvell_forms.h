// The program's five forms, created in the program's order into their
// global pointers; the first is the main window.
#ifndef PARVELL_PARVELL_FORMS_H
#define PARVELL_PARVELL_FORMS_H

void create_forms();

#endif
