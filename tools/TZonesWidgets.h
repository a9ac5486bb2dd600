#pragma once

#include <QRect>

#include <array>

namespace tavelor {

// Where the main window lays its widgets over the bench picture. The drawing leans on
// these rectangles (unit captions beside the meters, wires meeting the switch leads and
// the terminals) and the preview outlines them to show what they hide.
struct TZoneWidget {
    const char *nom;
    QRect rect;
};

namespace zones {
inline constexpr QRect afficheurIe{151, 39, 61, 26};
inline constexpr QRect afficheurI{331, 25, 61, 26};
inline constexpr QRect afficheurPu{417, 25, 61, 26};
inline constexpr QRect afficheurV{340, 162, 61, 26};
inline constexpr QRect afficheurPa{207, 295, 61, 26};
inline constexpr QRect afficheurN{303, 295, 61, 26};
inline constexpr QRect afficheurCm{422, 297, 61, 26};
inline constexpr QRect afficheur1{665, 2, 61, 26};
inline constexpr QRect interrupteur1{480, 54, 50, 37};
inline constexpr QRect interrupteur2{480, 89, 50, 37};
inline constexpr QRect interrupteur3{480, 124, 50, 37};
inline constexpr QRect ShapeS1{547, 64, 17, 17};
inline constexpr QRect ShapeS2{547, 99, 17, 17};
inline constexpr QRect ShapeS3{547, 134, 17, 17};
inline constexpr QRect ShapeR1{582, 64, 17, 17};
inline constexpr QRect ShapeR2{582, 99, 17, 17};
inline constexpr QRect ShapeR3{582, 134, 17, 17};
inline constexpr QRect PaintBox1{541, 56, 65, 105};
inline constexpr QRect TrackBarIe{24, 51, 33, 117};
inline constexpr QRect TrackBarN{3, 235, 118, 32};
inline constexpr QRect ImageRegCouple{32, 189, 72, 48};
inline constexpr QRect ImageWarning{98, 200, 31, 32};
inline constexpr QRect BitBtnRecable{534, 22, 80, 30};
inline constexpr QRect BitBtnFermeInter{432, 168, 160, 30};
inline constexpr QRect BitBtnAide{8, 280, 75, 30};
inline constexpr QRect BitBtnAPropos{8, 312, 75, 30};
inline constexpr QRect BitBtnFermer{669, 312, 75, 30};
} // namespace zones

inline constexpr std::array<TZoneWidget, 27> ZonesWidgets{{
    {"afficheurIe", zones::afficheurIe},
    {"afficheurI", zones::afficheurI},
    {"afficheurPu", zones::afficheurPu},
    {"afficheurV", zones::afficheurV},
    {"afficheurPa", zones::afficheurPa},
    {"afficheurN", zones::afficheurN},
    {"afficheurCm", zones::afficheurCm},
    {"afficheur1", zones::afficheur1},
    {"interrupteur1", zones::interrupteur1},
    {"interrupteur2", zones::interrupteur2},
    {"interrupteur3", zones::interrupteur3},
    {"ShapeS1", zones::ShapeS1},
    {"ShapeS2", zones::ShapeS2},
    {"ShapeS3", zones::ShapeS3},
    {"ShapeR1", zones::ShapeR1},
    {"ShapeR2", zones::ShapeR2},
    {"ShapeR3", zones::ShapeR3},
    {"PaintBox1", zones::PaintBox1},
    {"TrackBarIe", zones::TrackBarIe},
    {"TrackBarN", zones::TrackBarN},
    {"ImageRegCouple", zones::ImageRegCouple},
    {"ImageWarning", zones::ImageWarning},
    {"BitBtnRecable", zones::BitBtnRecable},
    {"BitBtnFermeInter", zones::BitBtnFermeInter},
    {"BitBtnAide", zones::BitBtnAide},
    {"BitBtnAPropos", zones::BitBtnAPropos},
    {"BitBtnFermer", zones::BitBtnFermer},
}};

} // namespace tavelor
