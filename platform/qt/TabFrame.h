#pragma once
// qtview::TabFrame: the widget of a tab control: the tabs along the top and a framed pane below.
// As in Win32 the pages are not its children but sibling windows laid over the pane.

#include <QTabBar>
#include <QWidget>

namespace qtview {

class TabFrame : public QWidget {
public:
    explicit TabFrame(QWidget* parent);

    QTabBar* tabBar() const { return tabs_; }
    // The tab titles and the selected tab, as the tree holds them.
    void setTabs(const QStringList& titles, int current);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* tabs_;
};

} // namespace qtview
