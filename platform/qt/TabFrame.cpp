#include "platform/qt/TabFrame.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

namespace qtview {

TabFrame::TabFrame(QWidget* parent) : QWidget(parent), tabs_(new QTabBar(this)) {
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    // A click picks a tab without taking the focus, as the tree's tab control does; Tab still
    // reaches it.
    tabs_->setFocusPolicy(Qt::TabFocus);
}

void TabFrame::setTabs(const QStringList& titles, int current) {
    bool same = tabs_->count() == titles.size();
    for (int i = 0; same && i < titles.size(); ++i) {
        same = tabs_->tabText(i) == titles[i];
    }
    if (!same) {
        while (tabs_->count() > 0) {
            tabs_->removeTab(0);
        }
        for (const QString& title : titles) {
            tabs_->addTab(title);
        }
        tabs_->resize(tabs_->sizeHint());
    }
    if (tabs_->currentIndex() != current && current >= 0 && current < tabs_->count()) {
        tabs_->setCurrentIndex(current);
    }
}

void TabFrame::resizeEvent(QResizeEvent*) {
    tabs_->resize(std::min(width(), tabs_->sizeHint().width()), tabs_->sizeHint().height());
}

void TabFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = tabs_->count() > 0 ? tabs_->sizeHint().height() - 1 : 0;
    frame.rect = rect().adjusted(0, top, 0, 0);
    frame.tabBarSize = tabs_->sizeHint();
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

} // namespace qtview
