// A label that looks and acts like a link: underlined text in the link colour, a
// pointing-hand cursor, and a click that opens the address.
#pragma once

#include <QColor>
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
    void setLinkColours(const QColor &link, const QColor &visited);
    bool visited() const { return visited_; }
    // Opens the address as a click does; false when there is none or it failed.
    bool follow();

signals:
    void followed(const QString &address);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyColour();

    QString address_;
    Opener opener_;
    QColor link_{0x4A, 0x9E, 0xFF};
    QColor visitedColour_{0x9B, 0x7B, 0xE0};
    bool visited_ = false;
};
