#include "print_ops_query.h"

QList<OpsPage> pagesOf(const PrintDocument& doc)
{
    QList<OpsPage> pages;
    if (doc.isEmpty())
        return pages;
    pages.append(OpsPage());
    for (const PrintOp& op : doc.ops()) {
        if (op.kind == PrintOp::Kind::NewPage)
            pages.append(OpsPage());
        else
            pages.last().append(op);
    }
    return pages;
}

static QList<PrintOp> opsWhere(const OpsPage& page, const std::function<bool(const PrintOp&)>& pred)
{
    QList<PrintOp> result;
    for (const PrintOp& op : page)
        if (pred(op))
            result.append(op);
    return result;
}

QList<PrintOp> textsOn(const OpsPage& page)
{
    return opsWhere(page, [](const PrintOp& op) {
        return op.kind == PrintOp::Kind::Text || op.kind == PrintOp::Kind::ClippedText;
    });
}

QList<PrintOp> linesOn(const OpsPage& page)
{
    return opsWhere(page, [](const PrintOp& op) { return op.kind == PrintOp::Kind::Line; });
}

QList<PrintOp> verticalLinesOn(const OpsPage& page)
{
    return opsWhere(page, [](const PrintOp& op) {
        return op.kind == PrintOp::Kind::Line && op.at.x() == op.to.x();
    });
}

PrintOp textOp(const OpsPage& page, const QString& text)
{
    for (const PrintOp& op : textsOn(page))
        if (op.text == text)
            return op;
    PrintOp none;
    none.kind = PrintOp::Kind::NewPage;
    return none;
}

bool hasText(const OpsPage& page, const QString& text)
{
    return textOp(page, text).kind != PrintOp::Kind::NewPage;
}

PageMetrics evenTestPage()
{
    PageMetrics page;
    page.width = 4700;
    page.offsetX = 100; // paper 4900 wide: x-unit 233.33
    page.height = 5443;
    page.offsetY = 100; // paper 5643 high: y-unit 200
    page.resolution = 600;
    return page;
}
