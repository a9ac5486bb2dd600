#pragma once

#include <QRect>

#include <array>

namespace tavelor {

// Where the bench window lays its widgets over the bench picture, in the window's client
// pixels (left, top, width, height). The window places its widgets by these rectangles and
// the picture generator draws around them (unit captions beside the meters, wires meeting
// the switch leads and the terminals), so that a moved meter moves in both.
class TDispositionBanc {
public:
    struct TZone {
        const char *nom;
        QRect rect;
    };

    static constexpr QSize Client{752, 350};
    static constexpr QRect Image1{0, 0, 750, 350};
    static constexpr QRect afficheurIe{151, 39, 61, 26};
    static constexpr QRect afficheurI{331, 25, 61, 26};
    static constexpr QRect afficheurPu{417, 25, 61, 26};
    static constexpr QRect afficheurV{340, 162, 61, 26};
    static constexpr QRect afficheurPa{207, 295, 61, 26};
    static constexpr QRect afficheurN{303, 295, 61, 26};
    static constexpr QRect afficheurCm{422, 297, 61, 26};
    static constexpr QRect afficheur1{665, 2, 61, 26};
    static constexpr QRect interrupteur1{480, 54, 50, 37};
    static constexpr QRect interrupteur2{480, 89, 50, 37};
    static constexpr QRect interrupteur3{480, 124, 50, 37};
    static constexpr QRect ShapeS1{547, 64, 17, 17};
    static constexpr QRect ShapeS2{547, 99, 17, 17};
    static constexpr QRect ShapeS3{547, 134, 17, 17};
    static constexpr QRect ShapeR1{582, 64, 17, 17};
    static constexpr QRect ShapeR2{582, 99, 17, 17};
    static constexpr QRect ShapeR3{582, 134, 17, 17};
    static constexpr QRect PaintBox1{541, 56, 65, 105};
    static constexpr QRect TrackBarIe{24, 51, 33, 117};
    static constexpr QRect TrackBarN{3, 235, 118, 32};
    static constexpr QRect ImageRegCouple{32, 189, 72, 48};
    static constexpr QRect ImageWarning{98, 200, 31, 32};
    static constexpr QRect BitBtnRecable{534, 22, 80, 30};
    static constexpr QRect BitBtnFermeInter{432, 168, 160, 30};
    static constexpr QRect BitBtnAide{8, 280, 75, 30};
    static constexpr QRect BitBtnAPropos{8, 312, 75, 30};
    static constexpr QRect BitBtnFermer{669, 312, 75, 30};

    // Every widget laid over the picture, for the generator's preview.
    static constexpr std::array<TZone, 27> Zones{{
        {"afficheurIe", afficheurIe},
        {"afficheurI", afficheurI},
        {"afficheurPu", afficheurPu},
        {"afficheurV", afficheurV},
        {"afficheurPa", afficheurPa},
        {"afficheurN", afficheurN},
        {"afficheurCm", afficheurCm},
        {"afficheur1", afficheur1},
        {"interrupteur1", interrupteur1},
        {"interrupteur2", interrupteur2},
        {"interrupteur3", interrupteur3},
        {"ShapeS1", ShapeS1},
        {"ShapeS2", ShapeS2},
        {"ShapeS3", ShapeS3},
        {"ShapeR1", ShapeR1},
        {"ShapeR2", ShapeR2},
        {"ShapeR3", ShapeR3},
        {"PaintBox1", PaintBox1},
        {"TrackBarIe", TrackBarIe},
        {"TrackBarN", TrackBarN},
        {"ImageRegCouple", ImageRegCouple},
        {"ImageWarning", ImageWarning},
        {"BitBtnRecable", BitBtnRecable},
        {"BitBtnFermeInter", BitBtnFermeInter},
        {"BitBtnAide", BitBtnAide},
        {"BitBtnAPropos", BitBtnAPropos},
        {"BitBtnFermer", BitBtnFermer},
    }};
};

} // namespace tavelor
