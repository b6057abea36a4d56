#include "printing/print_document.h"

PrintFont tableFont()
{
    return PrintFont{};
}

PrintFont headingFont()
{
    PrintFont font;
    font.bold = true;
    return font;
}

PrintFont pageLineFont()
{
    PrintFont font;
    font.pointSize = 8;
    return font;
}

PrintFont titleFont()
{
    PrintFont font;
    font.pointSize = 18;
    return font;
}

void PrintDocument::setFont(const PrintFont& font)
{
    PrintOp op;
    op.kind = PrintOp::Kind::SetFont;
    op.font = font;
    m_ops.append(op);
}

void PrintDocument::text(int x, int y, const QString& text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Text;
    op.text = text;
    op.at = QPoint(x, y);
    m_ops.append(op);
}

void PrintDocument::clippedText(int left, int top, int right, int bottom, int x, int y,
                                const QString& text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::ClippedText;
    op.text = text;
    op.at = QPoint(x, y);
    op.clip = QRect(left, top, right - left, bottom - top);
    m_ops.append(op);
}

void PrintDocument::line(int x1, int y1, int x2, int y2)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Line;
    op.at = QPoint(x1, y1);
    op.to = QPoint(x2, y2);
    m_ops.append(op);
}

void PrintDocument::newPage()
{
    PrintOp op;
    op.kind = PrintOp::Kind::NewPage;
    m_ops.append(op);
}
