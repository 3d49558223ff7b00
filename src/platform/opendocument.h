#pragma once
// Hands a document or web address to the desktop, which opens it with the program the user
// chose for its type. Fire and forget: the result is not examined and nothing waits for it.

#include <QString>

class QWidget;

class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    // `document` is a file path or a web address; `owner` is the window that asks.
    virtual void OpenDocument(QWidget *owner, const QString &document) = 0;
};

// The desktop's own opener (xdg-open on Linux, the shell on Windows).
class DesktopDocuments : public DocumentOpener
{
public:
    void OpenDocument(QWidget *owner, const QString &document) override;
};

// The one desktop opener of the program.
DocumentOpener &TheDesktop();
