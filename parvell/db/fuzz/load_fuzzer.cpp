// libFuzzer target: its input as Parvell.mdb, opened and loaded as Parvell's
// main window does when it first shows, then closed and freed as the window
// does when it closes. A damaged file may fail the open, and a load may
// raise the data-access layer's EDatabaseError or EConvertError, which
// Parvell reports; any other ending - a crash, a sanitizer report, another
// exception, a hang, a leak, memory beyond the limit - is a finding.
#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "load_as_parvell.h"

namespace {

// The private folder that holds the input as Parvell.mdb. opn_dbs_ opens that
// name in the current folder; the fuzzer stays in its own folder but for the
// open, so that the paths it was given keep their meaning.
char folder[PATH_MAX];
char database[PATH_MAX];
char home[PATH_MAX];

[[noreturn]] void fail(const char* what)
{
    perror(what);
    abort();
}

void remove_folder()
{
    unlink(database);
    rmdir(folder);
}

void write_database(const uint8_t* data, size_t size)
{
    FILE* file = fopen(database, "wb");
    if (!file || fwrite(data, 1, size, file) != size || fclose(file) != 0)
        fail(database);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!getcwd(home, sizeof home))
        fail("getcwd");
    const char* tmp = getenv("TMPDIR");
    snprintf(folder, sizeof folder, "%s/parvell-db-fuzz.XXXXXX", tmp && *tmp ? tmp : "/tmp");
    if (!mkdtemp(folder))
        fail(folder);
    snprintf(database, sizeof database, "%s/Parvell.mdb", folder);
    atexit(remove_folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    write_database(data, size);
    if (chdir(folder) != 0)
        fail(folder);
    ProductLists lists;
    load_as_parvell(lists);
    if (chdir(home) != 0)
        fail(home);
    lists.free_all();
    return 0;
}
