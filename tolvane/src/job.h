// One print job: an A4 portrait page on a printer or in a PDF file.
#ifndef TOLVANE_JOB_H
#define TOLVANE_JOB_H

#include <memory>

#include <QPainter>

#include <tolvane.h>

#include "elements.h"

class QApplication;
class QFileDevice;
class QPagedPaintDevice;

class PrintJob {
public:
    // Answers of ini_prt_.
    enum Answer { failed = 0, open = 1, cancelled = 2, declined = 3 };

    // Opens the page for the record `owner`: into the PDF file named by
    // TOLVANE_PDF without asking, else through the print dialog. `job` is set
    // for every answer but `failed`; only an open job draws.
    static Answer start(const Prt_ini* owner, std::unique_ptr<PrintJob>& job);

    ~PrintJob();

    bool owned_by(const Prt_ini* record) const { return record == owner_; }
    // The painter and its scale while the page is being drawn, else null.
    QPainter* painter() { return device_ ? &painter_ : nullptr; }
    PageScale scale() const { return scale_; }
    // Completes the page: the printer or the file receives it. False when
    // there was no page or it could not be completed; an older PDF file then
    // stays as it was.
    bool finish();

private:
    explicit PrintJob(const Prt_ini* owner);

    const Prt_ini* owner_;
    // Made for this job when the program has none; it outlives the printer.
    std::unique_ptr<QApplication> own_app_;
    // The PDF file being written; it outlives the writer that paints into it.
    std::unique_ptr<QFileDevice> pdf_file_;
    // The printer, or the PDF writer on pdf_file_.
    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter painter_;
    PageScale scale_{};
};

#endif
