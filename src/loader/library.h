// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

// A library loaded where its feature is first asked for rather than linked:
// the program starts, and does all else, where it is missing, and one that
// never shares its clock or sounds the card never maps it. Its functions are
// named in one table; they are all there or none is.
class Library
{
public:
    // One of its functions: the name, and the pointer its address goes to.
    class Function
    {
    public:
        template<typename Pointer>
        Function(const char *name, Pointer &pointer)
            : m_name(name)
            , m_pointer(&pointer)
            , m_set([](void *to, QFunctionPointer address) {
                *static_cast<Pointer *>(to) = reinterpret_cast<Pointer>(address);
            })
        {
        }

    private:
        friend class Library;
        const char *m_name;
        void *m_pointer;
        void (*m_set)(void *, QFunctionPointer);
    };

    // name and version as in the soname: ("qrencode", 4) is libqrencode.so.4.
    // The unversioned libqrencode.so belongs to the development package and
    // need not be there.
    Library(const QString &name, int version, std::initializer_list<Function> functions);

    // Loads it the first time, from one thread at a time, and says whether it
    // and every function are there; later calls give the same answer at once.
    // Loaded, it stays mapped for the program's life (QLibrary never unloads
    // by itself), so the pointers outlive this object.
    bool load();
    // Empty unless load() failed; then which is missing, the library or one
    // of its functions, naming the library's file.
    QString errorString() const { return m_error; }

private:
    QLibrary m_library;
    QString m_file; // as the moderator is told it: the soname
    std::vector<Function> m_functions;
    std::optional<bool> m_loaded;
    QString m_error;
};
