// What the printed documents share: a painter that measures in millimetres
// on the device's printable area, their fonts and the page footer.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

class QPagedPaintDevice;

namespace vespera::ui {

class Sheet {
public:
    explicit Sheet(QPagedPaintDevice& device);

    // False when the device refused the painter; nothing can be drawn then.
    bool ready() const { return ready_; }
    QPainter& painter() { return painter_; }

    double mm(double length_mm) const { return length_mm * pixels_per_mm_; }
    // The printable area in device units; its top left corner is (0, 0).
    double width() const { return width_; }
    double height() const { return height_; }

    // DejaVu Sans, which every Vespera installation has; the PDF embeds it.
    static QFont font(double points, bool bold = false, bool italic = false);
    double line_height(const QFont& font) const;
    // The height of `text` wrapped into `width`.
    double wrapped_height(const QFont& font, double width, const QString& text) const;

    // A title in the documents' title colour, left and vertically centred in
    // the band of `band_height` at the top of the page.
    void title(const QFont& font, const QString& text, double band_height);

    // A line at the foot of the page: `left`, shortened to fit, and "Seite n
    // von m" when there is more than one page.
    void footer(const QString& left, int page, int pages);
    // Starts the next page; false when the device failed.
    bool next_page();

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    bool ready_ = false;
    double pixels_per_mm_ = 1.0;
    double width_ = 0.0;
    double height_ = 0.0;
};

// The colour of titles and of the headings inside a document.
inline const QColor kTitleText(20, 40, 90);

// Height of the footer band that the documents keep free.
inline constexpr double kFooterHeight_mm = 5.0;

} // namespace vespera::ui
