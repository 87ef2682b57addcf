// A label that looks and acts like a link: underlined text in the link colour, a
// pointing-hand cursor, and a click that opens the address.
#pragma once

#include <QLabel>
#include <functional>

class CHyperLink : public QLabel {
    Q_OBJECT

public:
    // Opens an address; false when it could not be opened.
    using Opener = std::function<bool(const QString &address)>;

    explicit CHyperLink(QWidget *parent = nullptr);

    void setAddress(const QString &address) { address_ = address; }
    const QString &address() const { return address_; }
    // Replaces the desktop's opener (xdg-open by default).
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    bool visited() const { return visited_; }
    // Opens the address as a click does; false when there is none or it failed.
    bool follow();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyColour();

    QString address_;
    Opener opener_;
    bool visited_ = false;
};
