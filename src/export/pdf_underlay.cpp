#include "export/pdf_underlay.h"

#include <QTransform>
#include <cmath>

namespace
{
// Four decimals at most, no trailing zeros: "12.5 ", "-0.05 ", "3 ".
void appendNumber(QByteArray &out, double v)
{
    long long scaled = std::llround(v * 10000);
    if (scaled < 0) {
        out += '-';
        scaled = -scaled;
    }
    out += QByteArray::number(scaled / 10000);
    int fraction = int(scaled % 10000);
    if (fraction) {
        char digits[6] = {'.'};
        int n = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --n;
        }
        for (int i = n; i >= 1; --i, fraction /= 10)
            digits[i] = char('0' + fraction % 10);
        out.append(digits, n + 1);
    }
    out += ' ';
}

void appendHex(QByteArray &out, QByteArrayView bytes)
{
    static const char digits[] = "0123456789abcdef";
    for (const char c : bytes) {
        out += digits[(uchar(c) >> 4) & 0xf];
        out += digits[uchar(c) & 0xf];
    }
}
} // namespace

void PdfUnderlay::startPage(double pageHeight)
{
    m_pageHeight = pageHeight;
    m_clip = QRectF();
    m_drawn.clear();
    m_content.clear();
}

void PdfUnderlay::drawn(const QRectF &bounds)
{
    if (bounds.isValid()) m_drawn.push_back(bounds);
}

bool PdfUnderlay::place(const QTransform &toDevice, const ModuleStencil &stencil)
{
    if (m_clip.isNull() || stencil.columns <= 0 || stencil.rows <= 0 || stencil.rect.isEmpty()) return false;
    const QRectF whole = toDevice.mapRect(stencil.rect);
    const QRectF bounds = whole.intersected(m_clip);
    if (bounds.isEmpty()) return true; // clipped away whole
    for (const QRectF &earlier : m_drawn)
        if (earlier.intersects(bounds)) return false;
    // The unit square of the image, its first row on top, onto the stencil's rectangle, then the
    // y-down device onto the page's y-up space.
    const QRectF &r = stencil.rect;
    const QTransform place = QTransform(r.width(), 0, 0, -r.height(), r.left(), r.top() + r.height()) * toDevice *
                             QTransform(1, 0, 0, -1, 0, m_pageHeight);
    QByteArray &out = m_content;
    out += "q\n";
    const QColor c = stencil.color.toRgb();
    if (c.red() != 0 || c.green() != 0 || c.blue() != 0) {
        appendNumber(out, c.redF());
        appendNumber(out, c.greenF());
        appendNumber(out, c.blueF());
        out += "rg\n";
    }
    constexpr double kSlack = 0.01; // points
    if (!m_clip.adjusted(-kSlack, -kSlack, kSlack, kSlack).contains(whole)) {
        appendNumber(out, m_clip.left());
        appendNumber(out, m_pageHeight - m_clip.bottom());
        appendNumber(out, m_clip.width());
        appendNumber(out, m_clip.height());
        out += "re W n\n";
    }
    for (const double v : {place.m11(), place.m12(), place.m21(), place.m22(), place.dx(), place.dy()})
        appendNumber(out, v);
    out += "cm\nBI /IM true /W " + QByteArray::number(stencil.columns) + " /H " + QByteArray::number(stencil.rows) +
           " /D [1 0] /F /AHx ID\n";
    appendHex(out, stencil.bits);
    out += ">\nEI Q\n";
    return true;
}

QByteArray PdfUnderlay::finishPage()
{
    if (m_content.isEmpty()) return {};
    const QByteArray data = m_deflater.deflate(m_content);
    m_content.clear();
    return "\n<<\n/Length " + QByteArray::number(data.size()) + "\n/Filter /FlateDecode\n>>\nstream\n" + data +
           "\nendstream\n";
}
