#pragma once
// Room around a push button's caption. The desktop's style sizes a button to its caption with
// only a few pixels to spare, so a long caption ("Create Entries for Selected Date") touches the
// frame; this style keeps a margin of about one and a half characters on each side.
#include <QProxyStyle>

namespace platform {

class ButtonRoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override;
};

// The room kept on each side of a caption drawn with `metrics`.
int captionRoom(const QFontMetrics& metrics);

}  // namespace platform
