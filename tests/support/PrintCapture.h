#pragma once

#include "platform/PrintJob.h"
#include "print/RecordingPage.h"

#include <QString>
#include <list>

// Answers the print dialogs of a test: each job goes to a recording page, to a PDF file, or is
// cancelled. The dialogs asked are counted. Create it after the TestEnvironment (which cancels every
// dialog by default); it restores the previous answer when destroyed.
class PrintCapture {
public:
    enum class Route { Recording, Pdf, Cancel };

    PrintCapture();
    ~PrintCapture();
    PrintCapture(const PrintCapture &) = delete;
    PrintCapture &operator=(const PrintCapture &) = delete;

    // The next jobs are recorded on pages of this printable size (an A4 sheet at 600 dpi by default).
    void toRecording(int width = 4960, int height = 7016, int screenDpi = 96);

    // The next jobs are printed into a PDF file through a real printer page: A4, no margins.
    void toPdf(const QString &path, int resolution = 600);

    // The next dialogs are cancelled.
    void cancel();

    // How many print dialogs were asked.
    int dialogsAsked() const { return m_dialogsAsked; }

    // The recorded jobs, oldest first; they stay readable after the job has ended.
    const std::list<RecordingPage> &recordings() const { return m_recordings; }
    const RecordingPage *lastRecording() const { return m_recordings.empty() ? nullptr : &m_recordings.back(); }

private:
    std::unique_ptr<Page> startJob();

    PrintJob::Handler m_previous;
    Route m_route = Route::Recording;
    int m_width = 4960;
    int m_height = 7016;
    int m_screenDpi = 96;
    QString m_pdfPath;
    int m_resolution = 600;
    int m_dialogsAsked = 0;
    std::list<RecordingPage> m_recordings;
};

// The text of a printed PDF as pdftotext reads it, white space simplified.
QString pdfText(const QString &pdf);
