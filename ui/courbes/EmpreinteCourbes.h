#pragma once

#include "TFenetreCourbes.h"
#include "TModele.h"
#include "TReleves.h"

#include <QByteArray>
#include <QtGlobal>

// The project's version, which CMake gives to the program and to the module alike.
#ifndef TAVELOR_VERSION
#error "TAVELOR_VERSION comes from CMake, through tavelor_courbes_interface"
#endif

namespace tavelor {

// The curves module reads the model through its own compiled copy of TModele, and the
// program drives the window it makes through its own copy of TFenetreCourbes: a module
// from another build would read the wrong bytes without a word. So the module exports
// its build stamp under NomEmpreinteCourbes, the loader computes its own from this same
// header, and a module whose stamp differs, or that has none, is refused before its
// factory is called.
using TEmpreinteModuleCourbes = const char *(*)();
inline constexpr char NomEmpreinteCourbes[] = "tavelor_empreinte_courbes";

// Raised when the stamp stops listing the same things, so that no two formats can agree,
// and when TFenetreCourbes gains or loses a virtual function, which no size shows.
inline constexpr int FormatEmpreinteCourbes = 3;

// The version, the Qt headers built against, and the size and alignment of each class
// that crosses the boundary, as text that a warning can show.
inline QByteArray EmpreinteCourbes(const char *version = TAVELOR_VERSION)
{
    const auto taille = [](std::size_t octets, std::size_t alignement) {
        return QByteArray::number(static_cast<qulonglong>(octets)) + '/' +
               QByteArray::number(static_cast<qulonglong>(alignement));
    };
    return "tavelor-courbes/" + QByteArray::number(FormatEmpreinteCourbes) + " version " + version +
           " Qt " QT_VERSION_STR " TModele " + taille(sizeof(TModele), alignof(TModele)) + " TFenetreCourbes " +
           taille(sizeof(TFenetreCourbes), alignof(TFenetreCourbes)) + " TReleves " +
           taille(sizeof(TReleves), alignof(TReleves)) + " TReleve " + taille(sizeof(TReleve), alignof(TReleve));
}

} // namespace tavelor
