#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <initializer_list>
#include <vector>

namespace pdf {

class PDFFont;
class PDFFonts;

// One page of a document. Drawing operations append lines of content-stream text; coordinates
// come in caller units (top-left origin, y downwards, the document's Resolution per inch) and
// are turned into points from the bottom-left corner. A failing operation leaves the page as it was.
class PDFPage
{
public:
    PDFPage(PDFFonts& fonts, int objectNumber, double scale);
    PDFPage(const PDFPage&) = delete;
    PDFPage& operator=(const PDFPage&) = delete;

    // Text objects
    void BeginText();
    void EndText();
    // style: 1 bold, 2 italic (4 underline and 8 strike-out are not drawn); charset is ignored,
    // the standard fonts are written with the WinAnsi encoding.
    void SetActiveFont(const QString& name, int style, int charset, double size);
    // (x, y) is the top-left corner of the text; the angle turns it counter-clockwise, in degrees.
    void TextOut(double x, double y, double angle, const QString& text);
    double TextWidth(const QString& text) const;
    // horizontal: 0 left, 1 centre, 2 right; vertical: 0 top, 1 centre, 2 bottom.
    void TextBox(const QRectF& rect, const QString& text, int horizontal, int vertical);
    void SetTextRenderingMode(int mode);

    // Paths
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Rectangle(double x1, double y1, double x2, double y2);
    void Circle(double x, double y, double r);
    void ClosePath();
    void NewPath();
    void Stroke();
    void Fill();
    void FillAndStroke();

    // Graphics state and colours
    void GStateSave();
    void GStateRestore();
    void SetGray(double gray);
    void SetRGBFillColor(double r, double g, double b);
    void SetRGBStrokeColor(double r, double g, double b);
    void SetLineWidth(double width);

    // State
    int objectNumber() const { return m_objectNumber; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    double scale() const { return m_scale; }
    bool inText() const { return m_inText; }
    int gStateDepth() const { return m_depth; }
    PDFFont* activeFont() const { return m_activeFont; }
    double fontSize() const { return m_fontSize; }
    int textRenderingMode() const { return m_renderingMode; }
    double textAngle() const { return m_textAngle; }
    bool showsText() const { return m_showsText; }
    QPointF currentPoint() const { return m_currentPoint; }
    const std::vector<PDFFont*>& fonts() const { return m_pageFonts; }
    // The content stream: every line followed by CR LF.
    const QByteArray& content() const { return m_content; }
    QList<QByteArray> contentLines() const;

private:
    friend class PDFDocument;

    double toX(double x) const { return x / m_scale; }
    double toY(double y) const { return m_height - y / m_scale; }
    void requireOutsideText() const;
    void requireInsideText() const;
    void requireFont() const;
    void endLine() { m_content.append("\r\n", 2); }
    void appendLine(const char* line);
    void appendNumbers(std::initializer_list<double> values, const char* op);
    // Called when the page is written: closes the text object and every saved state.
    void finish();
    void release();

    PDFFonts& m_documentFonts;
    int m_objectNumber;
    int m_resourcesNumber = 0;
    int m_contentsNumber = 0;
    double m_width = 595;
    double m_height = 842;
    double m_scale;
    QByteArray m_content;
    std::vector<PDFFont*> m_pageFonts;
    bool m_inText = false;
    int m_depth = 1;
    PDFFont* m_activeFont = nullptr;
    double m_fontSize = 10;
    int m_renderingMode = 0;
    double m_matrix[4] = {1, 0, 0, 1};
    double m_textAngle = 0;
    bool m_showsText = false;
    bool m_written = false;
    QPointF m_currentPoint;
};

} // namespace pdf
