#include "job.h"

#include <stdlib.h>

#include <QApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

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

// A regular file (or a new one) is written through a temporary file that
// replaces it only when complete, so a failed job never leaves a truncated
// PDF in place of an older one. A device or a pipe cannot be replaced: it is
// written in place, as is a file in a folder where no temporary file can be
// made. Null when the file cannot be opened.
std::unique_ptr<QFileDevice> open_pdf_file(const QString& path)
{
    const QFileInfo target(path);
    std::unique_ptr<QFileDevice> file;
    if (target.exists() && !target.isFile()) {
        file = std::make_unique<QFile>(path);
    } else {
        auto whole = std::make_unique<QSaveFile>(path);
        // A folder that takes no new file still lets a writable file be
        // printed into, in place.
        whole->setDirectWriteFallback(true);
        file = std::move(whole);
    }
    if (!file->open(QIODevice::WriteOnly))
        return nullptr;
    return file;
}

// Nobody could answer a dialog on these platforms: it would wait for ever.
bool dialog_can_be_answered()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
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
    if (pdf.isEmpty() && (app != AppKind::widgets || !dialog_can_be_answered())) {
        job = std::move(started);
        return declined;
    }
    if (app == AppKind::none)
        return failed;

    std::unique_ptr<QPagedPaintDevice> device;
    if (!pdf.isEmpty()) {
        started->pdf_file_ = open_pdf_file(pdf);
        if (!started->pdf_file_)
            return failed;
        auto writer = std::make_unique<QPdfWriter>(started->pdf_file_.get());
        writer->setTitle(qt_from_sjis(owner->doc));
        writer->setCreator(QStringLiteral("Tolvane"));
        writer->setResolution(1200);
        writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        device = std::move(writer);
    } else {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(qt_from_sjis(owner->doc));
        printer->setCreator(QStringLiteral("Tolvane"));
        set_sheet(*printer);
        if (!ask_user(*printer)) {
            job = std::move(started);
            return cancelled;
        }
        set_sheet(*printer);
        device = std::move(printer);
    }

    if (!started->painter_.begin(device.get()))
        return failed;
    started->painter_.setRenderHint(QPainter::Antialiasing);
    started->scale_ = page_scale(*device);
    started->device_ = std::move(device);
    job = std::move(started);
    return open;
}

bool PrintJob::finish()
{
    if (!device_)
        return false;
    bool done = painter_.end();
    if (pdf_file_) {
        // Every write must have gone through, the last buffered one too.
        done = done && pdf_file_->flush() && pdf_file_->error() == QFileDevice::NoError;
        if (auto* whole = qobject_cast<QSaveFile*>(pdf_file_.get()))
            done = done && whole->commit();  // uncommitted, it goes with the job
    }
    return done;
}
