#pragma once
// Hands a document or web address to the desktop, which opens it with the program the user
// chose for its type. Nothing waits for that program; the answer only says whether the desktop
// has one to hand the document to.

#include <QString>

class QWidget;

class DocumentOpener
{
public:
    virtual ~DocumentOpener() = default;
    // `document` is a file path or a web address; `owner` is the window that asks. False when
    // the document is missing or no program on this desktop opens its type.
    virtual bool OpenDocument(QWidget *owner, const QString &document) = 0;
};

// The desktop's own opener (xdg-open on Linux, the shell on Windows).
class DesktopDocuments : public DocumentOpener
{
public:
    bool OpenDocument(QWidget *owner, const QString &document) override;
};

// The one desktop opener of the program.
DocumentOpener &TheDesktop();
