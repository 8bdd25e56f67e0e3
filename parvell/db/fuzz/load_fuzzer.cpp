// libFuzzer target: its input as Parvell.mdb, opened and loaded as Parvell's
// main window does when it first shows, then closed and freed as the window
// does when it closes. A damaged file may fail the open, and a load may
// raise the data-access layer's EDatabaseError or EConvertError, which
// Parvell reports; any other ending - a crash, a sanitizer report, another
// exception, a hang, a leak, memory beyond the limit - is a finding.
#include <fcntl.h>
#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <jet/errors.h>

#include "Ado_dbss.h"

namespace {

// The private folder that holds the input as Parvell.mdb. opn_dbs_ opens that
// name in the current folder; the fuzzer stays in its own folder but for the
// open, so that the paths it was given keep their meaning.
char folder[PATH_MAX];
char database[PATH_MAX];
char home[PATH_MAX];

Lnk_inf pip_lst, prd_lst, cgp_lst, ppl_lst, cds_lst, rpd_lst;

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
    int fd = open(database, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        fail(database);
    for (size_t at = 0; at < size;) {
        ssize_t n = write(fd, data + at, size - at);
        if (n <= 0)
            fail(database);
        at += (size_t)n;
    }
    close(fd);
}

int32_t open_database()
{
    if (chdir(folder) != 0)
        fail(folder);
    int32_t ok = opn_dbs_();
    if (chdir(home) != 0)
        fail(home);
    return ok;
}

// The start sequence after the open: the loaders in the window's order, the
// related-product rules, the database version.
void load_all()
{
    _clr_mem_(&pip_lst, sizeof pip_lst);
    _clr_mem_(&prd_lst, sizeof prd_lst);
    _clr_mem_(&cgp_lst, sizeof cgp_lst);
    _clr_mem_(&ppl_lst, sizeof ppl_lst);
    _clr_mem_(&cds_lst, sizeof cds_lst);
    _clr_mem_(&rpd_lst, sizeof rpd_lst);
    if (!(lod_plc_(&pip_lst) && lod_pdt_(&prd_lst) && lod_cdt_(&cgp_lst) && lod_ppl_(&ppl_lst) && lod_cds_(&cds_lst) &&
          lod_rpd_(&rpd_lst)))
        return;

    // The window selects display rows through its grids; with every row
    // selected each rule of the table is weighed.
    Lnk_inf slc = {nullptr, nullptr};
    Lnk_inf acc = {nullptr, nullptr};
    try {
        for (Lnk_inf* n = _nxt_lnk_(&cds_lst, nullptr); n; n = _nxt_lnk_(&cds_lst, n))
            if (!_add_lnk_(&slc, &((Cds_inf*)LNK_DAT(n))->ID, (int)sizeof(int32_t)))
                break;
        sel_rdp_(&acc, &slc);
    } catch (...) {
        _del_all_(&slc);
        _del_all_(&acc);
        throw;
    }
    _del_all_(&slc);
    _del_all_(&acc);

    char dvr[VER_LEN] = "";
    lod_ver_(dvr);
}

// As the window's teardown frees them: sub-lists and streams, then the lists.
void free_lists()
{
    for (Lnk_inf* n = _nxt_lnk_(&pip_lst, nullptr); n; n = _nxt_lnk_(&pip_lst, n))
        _del_all_(&((Pip_inf*)LNK_DAT(n))->plc);
    _del_all_(&pip_lst);
    for (Lnk_inf* n = _nxt_lnk_(&prd_lst, nullptr); n; n = _nxt_lnk_(&prd_lst, n)) {
        Prd_inf* prd = (Prd_inf*)LNK_DAT(n);
        delete prd->Photo;
        delete prd->Draft;
        _del_all_(&prd->pdt);
    }
    _del_all_(&prd_lst);
    for (Lnk_inf* n = _nxt_lnk_(&cgp_lst, nullptr); n; n = _nxt_lnk_(&cgp_lst, n))
        _del_all_(&((Cgp_inf*)LNK_DAT(n))->cdt);
    _del_all_(&cgp_lst);
    _del_all_(&ppl_lst);
    _del_all_(&cds_lst);
    for (Lnk_inf* n = _nxt_lnk_(&rpd_lst, nullptr); n; n = _nxt_lnk_(&rpd_lst, n))
        delete ((Rpd_inf*)LNK_DAT(n))->Photo;
    _del_all_(&rpd_lst);
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
    if (open_database()) {
        try {
            load_all();
        } catch (const jet::EDatabaseError&) {
        } catch (const jet::EConvertError&) {
        }
    }
    cls_dbs_();
    free_lists();
    return 0;
}
