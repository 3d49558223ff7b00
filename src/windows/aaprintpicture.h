#pragma once
// The print-picture control: prints one picture on one sheet of a named printer, placed by
// alignment or stretched over the printable area, on a background colour with an optional
// border, as many times as asked. Each copy is its own print job.

#include "printing/pagecomposition.h"
#include "drawing/sharppicture.h"

#include <QLabel>
#include <QVariantMap>

class SystemPrinters;

class AAPrintPicture : public QLabel
{
    Q_OBJECT
public:
    // Works on the current printer of `printers`, which must outlive the control.
    explicit AAPrintPicture(SystemPrinters &printers, QWidget *parent = nullptr);

    qint32 Align() const { return m_look.align; }
    void setAlign(qint32 value);
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &value);
    QColor BackColor() const { return m_look.backColor; }
    void setBackColor(const QColor &value);
    QColor BorderColor() const { return m_look.borderColor; }
    void setBorderColor(const QColor &value);
    bool ShowBorder() const { return m_look.showBorder; }
    void setShowBorder(bool value);
    QString DefultPrinter() const { return m_printerName; }
    void setDefultPrinter(const QString &value);
    qint32 PaperSize() const { return m_paperSize; }
    void setPaperSize(qint32 value);
    qint16 PaperWidth() const { return m_paperWidth; }
    void setPaperWidth(qint16 value);
    qint16 PaperHeight() const { return m_paperHeight; }
    void setPaperHeight(qint16 value);
    bool Stretch() const { return m_look.stretch; }
    void setStretch(bool value);
    qint16 Copies() const { return m_copies; }
    void setCopies(qint16 value);

    // True once a property was written since the saved design was read.
    bool designChanged() const { return m_designChanged; }
    // The saved design: every property that differs from its default, under its key.
    QVariantMap WriteProperties() const;
    // Reads a saved design; a missing key gives the default.
    void ReadProperties(const QVariantMap &bag);

    // The drawing behind parts of the picture (in its pixels), and the highest resolution they
    // are drawn at (never above the printer's own) when the picture is stretched over the page without a border; 0 prints the
    // page picture as composed.
    void setSharpParts(std::vector<SharpPart> parts) { m_sharpParts = std::move(parts); }
    void setSharpResolution(int dpi) { m_sharpDpi = dpi; }

    // With Stretch: the picture at one scale across and down, as large as the printable area
    // allows, placed there by Align. Not part of the saved design.
    void setKeepProportions(bool on) { m_look.keepProportions = on; }

    // The name the print jobs carry in the printer's queue.
    void setJobName(const QString &name) { m_jobName = name; }

    // Selects the printer, sets its paper, reads its margins and raises MarginReaded. False
    // (see lastError()) when there is no printer to use or it refuses the paper. The printer's
    // paper, orientation and margins are given back afterwards, as after every print.
    bool GetPrinterMargin();
    // The paper size in millimetres; unchanged arguments for an unknown PaperSize.
    void GetPaperWH(qint16 &intWidth, qint16 &intHeight) const;
    // The composed page; a null image when the printer failed.
    QImage GetPreview();
    // Composes the page and prints it Copies times, each copy a job of its own. False when a
    // printer operation failed; nothing more is printed then.
    bool PrintPicture();

    PrinterMargins margins() const { return m_margins; }
    QString lastError() const { return m_error; }
    int jobsPrinted() const { return m_jobsPrinted; }

signals:
    void MarginReaded(qint32 lngLeft, qint32 lngTop, qint32 lngRight, qint32 lngBottom);

private:
    bool fail(const QString &why);
    void changed() { m_designChanged = true; }
    bool selectPrinter();
    bool readMargins();
    bool composePage(QImage &page);

    SystemPrinters &m_printers;
    PageLook m_look;
    QImage m_picture;  // picPicture: the picture at its own size
    QImage m_icon;
    QString m_printerName;
    qint32 m_paperSize = PaperA4;
    qint16 m_paperWidth = 210;
    qint16 m_paperHeight = 297;
    qint16 m_copies = 1;
    bool m_designChanged = false;
    PrinterMargins m_margins;
    QSize m_printable;  // the printable area in device pixels
    QString m_error;
    QString m_jobName;
    int m_jobsPrinted = 0;
    std::vector<SharpPart> m_sharpParts;
    int m_sharpDpi = 0;
};

// The control's own picture: a small printer.
QImage PrinterIcon();
