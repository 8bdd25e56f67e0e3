#include "job.h"

#include <stdlib.h>

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <platform/qt_text.h>

#include "app_host.h"

namespace {

QString pdf_path()
{
    const char* path = getenv("TOLVANE_PDF");
    return path && *path ? QString::fromLocal8Bit(path) : QString();
}

// The sheets are laid out on A4 portrait from the paper's corner, whatever
// the dialog offered.
void set_sheet(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
}

bool ask_user(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // One page of fixed layout: there is nothing to choose but the printer
    // (or a PDF file) and the copies.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

PrintJob::PrintJob(const Prt_ini* owner) : owner_(owner) {}

PrintJob::~PrintJob()
{
    if (painter_.isActive())
        painter_.end();
}

PrintJob::Answer PrintJob::start(const Prt_ini* owner, std::unique_ptr<PrintJob>& job)
{
    const QString pdf = pdf_path();
    std::unique_ptr<PrintJob> started(new PrintJob(owner));
    const AppKind app = ensure_application(pdf.isEmpty(), started->own_app_);
    if (pdf.isEmpty() && app != AppKind::widgets) {
        job = std::move(started);
        return declined;
    }
    if (app == AppKind::none)
        return failed;

    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(qt_from_sjis(owner->doc));
    printer->setCreator(QStringLiteral("Tolvane"));
    set_sheet(*printer);
    if (!pdf.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
    } else {
        if (!ask_user(*printer)) {
            job = std::move(started);
            return cancelled;
        }
        set_sheet(*printer);
    }

    if (!started->painter_.begin(printer.get()))
        return failed;
    started->painter_.setRenderHint(QPainter::Antialiasing);
    started->scale_ = page_scale(*printer);
    started->printer_ = std::move(printer);
    job = std::move(started);
    return open;
}

bool PrintJob::finish()
{
    if (!printer_)
        return false;
    return painter_.end();
}
