#pragma once

#include <QString>
#include <QtGlobal>

// How a chart picture is laid over printed pages, in twips of the full paper: strips of
// the picture side by side, each between margins of 2000 twips and centred vertically.
// At full scale a strip is as wide as the space between the margins; at half width the
// strips are twice that less the margins and are compressed into that space.
class PrintLayout {
public:
    static constexpr qint32 Margin = 2000;
    static constexpr qint32 PageNumberY = 4000;

    PrintLayout(qint32 paperWidth, qint32 paperHeight, qint32 pictureWidth, qint32 pictureHeight,
                bool halfWidth);

    // Width of the picture that goes onto one page.
    [[nodiscard]] qint32 stripWidth() const;
    // Width that strip takes on paper.
    [[nodiscard]] qint32 destinationWidth() const { return m_paperWidth - 2 * Margin; }
    // Horizontal factor from picture to paper: 1 at full scale, below 1 at half width.
    [[nodiscard]] double compression() const;
    // Pages needed; 0 when the paper is too narrow for the margins.
    [[nodiscard]] int pageCount() const;
    // Where page `page` (from 1) starts in the picture.
    [[nodiscard]] qint32 sourceX(int page) const { return (page - 1) * stripWidth(); }
    // Width of the picture actually on page `page`: the last strip may be shorter.
    [[nodiscard]] qint32 sourceWidth(int page) const;
    [[nodiscard]] qint32 destinationY() const { return (m_paperHeight - m_pictureHeight) / 2; }

    // "第 n 页", centred on the paper by the width of a two-digit page text.
    [[nodiscard]] static QString PageText(int page);
    [[nodiscard]] static QString PageWidthSample() { return QStringLiteral("第xx页"); }
    [[nodiscard]] qint32 pageNumberX(qint32 sampleWidth) const {
        return (m_paperWidth - sampleWidth) / 2;
    }

private:
    qint32 m_paperWidth;
    qint32 m_paperHeight;
    qint32 m_pictureWidth;
    qint32 m_pictureHeight;
    bool m_halfWidth;
};
