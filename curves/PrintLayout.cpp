#include "curves/PrintLayout.h"

#include <algorithm>

PrintLayout::PrintLayout(qint32 paperWidth, qint32 paperHeight, qint32 pictureWidth,
                         qint32 pictureHeight, bool halfWidth)
    : m_paperWidth(paperWidth), m_paperHeight(paperHeight), m_pictureWidth(pictureWidth),
      m_pictureHeight(pictureHeight), m_halfWidth(halfWidth) {}

qint32 PrintLayout::stripWidth() const {
    return (m_halfWidth ? 2 * m_paperWidth : m_paperWidth) - 2 * Margin;
}

double PrintLayout::compression() const {
    return static_cast<double>(destinationWidth()) / stripWidth();
}

int PrintLayout::pageCount() const {
    const qint32 strip = stripWidth();
    if (destinationWidth() <= 0 || strip <= 0)
        return 0;
    return m_pictureWidth / strip + (m_pictureWidth % strip > 0 ? 1 : 0);
}

qint32 PrintLayout::sourceWidth(int page) const {
    return std::clamp(m_pictureWidth - sourceX(page), 0, stripWidth());
}

QString PrintLayout::PageText(int page) {
    return QStringLiteral("第 %1 页").arg(page);
}
