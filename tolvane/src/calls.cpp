// The six calls of the library. Each journals itself, then draws on the open
// page; a call without an open page, or with a record it cannot use, draws
// nothing and leaves the job as it is.
#include <memory>

#include <tolvane.h>

#include "job.h"
#include "journal.h"

namespace {

// The job between ini_prt_ and end_prt_: open, or cancelled or declined and
// waiting for its end_prt_.
std::unique_ptr<PrintJob>& current_job()
{
    // Never destroyed: a job still open at exit must not be torn down after
    // the class library has gone.
    static auto* job = new std::unique_ptr<PrintJob>();
    return *job;
}

QPainter* open_page()
{
    PrintJob* job = current_job().get();
    return job ? job->painter() : nullptr;
}

// Draws one element on the open page and journals the call.
template <typename Record>
int element_call(const char* call, const Record* record, bool (*draw)(QPainter&, PageScale, const Record&))
{
    QPainter* page = open_page();
    int answer = page && record && draw(*page, current_job()->scale(), *record);
    journal_write(call, answer, record);
    return answer;
}

int start_job(Prt_ini* ini)
{
    if (!ini)
        return PrintJob::failed;
    std::unique_ptr<PrintJob>& job = current_job();
    // One page at a time; a job that was never opened only waits for its end.
    if (job && job->painter())
        return PrintJob::declined;
    job.reset();
    return PrintJob::start(ini, job);
}

int end_job(Prt_ini* ini)
{
    std::unique_ptr<PrintJob>& job = current_job();
    if (!ini || !job || !job->owned_by(ini))
        return 0;
    bool printed = job->finish();
    job.reset();
    return printed ? 1 : 0;
}

}  // namespace

int ini_prt_(Prt_ini* ini)
{
    int answer = start_job(ini);
    journal_write("ini_prt_", answer, ini);
    return answer;
}

int end_prt_(Prt_ini* ini)
{
    int answer = end_job(ini);
    journal_write("end_prt_", answer, ini);
    return answer;
}

int prt_lin_(Prt_lin* lin)
{
    return element_call("prt_lin_", lin, draw_line);
}

int prt_rct_(Prt_rct* rct)
{
    return element_call("prt_rct_", rct, draw_rect);
}

int prt_txt_(Prt_txt* txt)
{
    return element_call("prt_txt_", txt, draw_text);
}

int prt_grf_(Rct_inf* box, int mod, TGraphic* pic)
{
    QPainter* page = open_page();
    int answer = page && box && pic && draw_picture(*page, current_job()->scale(), *box, mod, *pic);
    journal_write("prt_grf_", answer, box, mod, pic);
    return answer;
}
