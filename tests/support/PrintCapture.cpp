#include "support/PrintCapture.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>

namespace {

// Hands a job to the flow while the recording itself stays with the capture.
class CapturedPage : public Page {
public:
    explicit CapturedPage(RecordingPage &recording) : m_recording(recording) {}

    int width() const override { return m_recording.width(); }
    int height() const override { return m_recording.height(); }
    int screenDpi() const override { return m_recording.screenDpi(); }
    void setFont(const QFont &font) override { m_recording.setFont(font); }
    QFont font() const override { return m_recording.font(); }
    void drawText(int x, int y, const QString &text, const QColor &color, const QColor &background) override {
        m_recording.drawText(x, y, text, color, background);
    }
    void drawLine(int x1, int y1, int x2, int y2, const QColor &color) override {
        m_recording.drawLine(x1, y1, x2, y2, color);
    }
    void drawPicture(int x, int y, int width, int height, const QPixmap &picture) override {
        m_recording.drawPicture(x, y, width, height, picture);
    }
    void newPage() override { m_recording.newPage(); }
    void endJob() override { m_recording.endJob(); }

private:
    RecordingPage &m_recording;
};

} // namespace

PrintCapture::PrintCapture() : m_previous(PrintJob::handler()) {
    PrintJob::setHandler([this] { return startJob(); });
}

PrintCapture::~PrintCapture() {
    PrintJob::setHandler(m_previous);
}

void PrintCapture::toRecording(int width, int height, int screenDpi) {
    m_route = Route::Recording;
    m_width = width;
    m_height = height;
    m_screenDpi = screenDpi;
}

void PrintCapture::toPdf(const QString &path, int resolution) {
    m_route = Route::Pdf;
    m_pdfPath = path;
    m_resolution = resolution;
}

void PrintCapture::cancel() {
    m_route = Route::Cancel;
}

std::unique_ptr<Page> PrintCapture::startJob() {
    ++m_dialogsAsked;
    switch (m_route) {
    case Route::Cancel:
        return nullptr;
    case Route::Recording:
        m_recordings.emplace_back(m_width, m_height, m_screenDpi);
        return std::make_unique<CapturedPage>(m_recordings.back());
    case Route::Pdf: {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdfPath);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setResolution(m_resolution);
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        return PrintJob::startOn(std::move(printer));
    }
    }
    return nullptr;
}

QString pdfText(const QString &pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}
