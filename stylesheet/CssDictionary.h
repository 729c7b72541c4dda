#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The CSS builder's dictionary resource/css.txt. Its lines, with tab characters ignored:
//   "<T" + one character that is skipped + category name + ">"   a category header; the
//                                     category's properties follow up to the next such line
//   "<S " + property name + ">"      a property header
//   value lines                       after a property header, one value a line (trimmed); the
//                                     text after a value's first blank is a note for the reader
//   "<説明>" ... "</説明>"           the property's description
//   "<例>" ... "</例>"               the property's example
// Headers are whole lines, so a name that also stands in an explanation or starts a longer name
// ("font" and "font-size") always finds its own header. Inside a description or an example no
// line is a header.

struct CssProperty {
    QString name;
    QStringList values;                  // in file order; an empty line gives an empty value
    std::optional<QString> description;  // absent when the property has no description block
    std::optional<QString> example;      // absent when the property has no example block
};

struct CssCategory {
    QString name;
    QList<CssProperty> properties;
};

struct CssDictionary {
    QList<CssCategory> categories;

    // The names for the category list, in file order.
    QStringList categoryNames() const;
    // The first category with this name (trimmed), or null.
    const CssCategory* category(const QString& name) const;
    // The property names of the first category with this name; empty when there is none.
    QStringList propertyNames(const QString& categoryName) const;
    // The first property in the file with this name (trimmed), or null.
    const CssProperty* propertyNamed(const QString& name) const;
};

CssDictionary parseCssDictionary(const QString& text);
