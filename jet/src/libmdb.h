// libmdb's header opens extern "C" around glib, whose headers bring C++
// templates along when compiled as C++: glib is included first, outside it.
#ifndef JET_LIBMDB_H
#define JET_LIBMDB_H

#include <glib.h>

#include <mdbtools.h>

#endif
