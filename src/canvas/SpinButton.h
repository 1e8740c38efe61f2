#pragma once
// A spin button: two arrow buttons that report SpinUp and SpinDown, repeating while held.
#include <QWidget>

class QToolButton;

namespace varelo {

class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(QWidget *parent = nullptr);
    QToolButton *upButton() const { return up_; }
    QToolButton *downButton() const { return down_; }
    // Accessible names and tooltips of the two arrows.
    void setNames(const QString &up, const QString &down);

signals:
    void SpinUp();
    void SpinDown();

protected:
    void resizeEvent(QResizeEvent *) override;

private:
    QToolButton *up_;
    QToolButton *down_;
};

} // namespace varelo
