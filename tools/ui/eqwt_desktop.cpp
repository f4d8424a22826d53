#include "tools/ui/eqwt_desktop.h"

#include "alloys/alloy_catalogue.h"
#include "tools/ui/eqwt.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

namespace corrolab {

int AlloyPopupWidth(const EqWt& tools)
{
    const QFontMetrics metrics(tools.Combo4->view()->font());
    int widest = 0;
    for (const BaseMetal& base : AlloyCatalogue())
        for (const Alloy& alloy : base.alloys)
            widest = std::max(widest,
                metrics.horizontalAdvance(QString::fromUtf8(
                    alloy.name.data(), static_cast<qsizetype>(alloy.name.size()))));
    // The item's margins on both sides and the scroll bar beside the names.
    const int margins = 4 * tools.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    return widest + margins + tools.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void SetUpToolsDesktop(EqWt& tools)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &tools);
    QObject::connect(escape, &QShortcut::activated, &tools, [&tools] { tools.close(); });

    // Outside the visible area: pressed by code only.
    tools.Command2->setFocusPolicy(Qt::NoFocus);
    tools.Command3->setFocusPolicy(Qt::NoFocus);

    tools.Combo4->view()->setMinimumWidth(AlloyPopupWidth(tools));
    tools.Combo4->view()->setTextElideMode(Qt::ElideNone);
}

} // namespace corrolab
