#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

namespace Lumo::Testing {

// One object of a program's windows as a screen reader reads it over AT-SPI (read by
// support/atspi_tree.py): its role and name as AT-SPI words them ("push button", "combo box"),
// the labels that name it, the actions it offers and where it lies on the screen.
struct AccessibleNode
{
    struct Label
    {
        QString role;
        QString name;
    };

    QString role;
    QString name;
    QString description;
    QStringList states;
    QStringList actions;
    QList<Label> labelledBy;
    QRect extents;
    QList<AccessibleNode> children;

    bool has(const char *state) const { return states.contains(QLatin1String(state)); }
    QPoint centre() const { return extents.center(); }

    static AccessibleNode fromJson(const QJsonObject &object)
    {
        AccessibleNode node;
        node.role = object.value(QLatin1String("role")).toString();
        node.name = object.value(QLatin1String("name")).toString();
        node.description = object.value(QLatin1String("description")).toString();
        for (const QJsonValue &state : object.value(QLatin1String("states")).toArray())
            node.states.append(state.toString());
        for (const QJsonValue &action : object.value(QLatin1String("actions")).toArray())
            node.actions.append(action.toString());
        for (const QJsonValue &label : object.value(QLatin1String("labelledBy")).toArray()) {
            const QJsonObject labelObject = label.toObject();
            node.labelledBy.append({labelObject.value(QLatin1String("role")).toString(),
                                    labelObject.value(QLatin1String("name")).toString()});
        }
        const QJsonArray box = object.value(QLatin1String("extents")).toArray();
        node.extents =
            QRect(box.at(0).toInt(), box.at(1).toInt(), box.at(2).toInt(), box.at(3).toInt());
        for (const QJsonValue &child : object.value(QLatin1String("children")).toArray())
            node.children.append(fromJson(child.toObject()));
        return node;
    }

    // The first node, this one or below, for which `matches` holds, or null.
    const AccessibleNode *find(const std::function<bool(const AccessibleNode &)> &matches) const
    {
        if (matches(*this))
            return this;
        for (const AccessibleNode &child : children) {
            if (const AccessibleNode *found = child.find(matches))
                return found;
        }
        return nullptr;
    }

    const AccessibleNode *find(const QString &role, const QString &name) const
    {
        return find(
            [&](const AccessibleNode &node) { return node.role == role && node.name == name; });
    }

    // The tree as indented lines: role, name, description, labels and states that matter.
    QString dump(int depth = 0) const
    {
        QString line = QString(depth * 2, u' ') + u'[' + role + u']';
        if (!name.isEmpty())
            line += QStringLiteral(" \"%1\"").arg(name);
        if (!description.isEmpty())
            line += QStringLiteral(" (%1)").arg(description);
        for (const Label &label : labelledBy)
            line += QStringLiteral(" labelled by %1 \"%2\"").arg(label.role, label.name);
        if (has("focusable"))
            line += QStringLiteral(" focusable");
        QString text = line + u'\n';
        for (const AccessibleNode &child : children)
            text += child.dump(depth + 1);
        return text;
    }
};

// Whether the given Python can read programs over AT-SPI (python3-pyatspi is installed for it).
inline bool readsAccessibleTrees(const QString &python)
{
    QProcess probe;
    probe.start(python, {QStringLiteral("-c"), QStringLiteral("import pyatspi")});
    return probe.waitForFinished() && probe.exitStatus() == QProcess::NormalExit &&
           probe.exitCode() == 0;
}

// The windows of the running program named `application` that show, read through AT-SPI by the
// reader script with the given Python. Empty when the program cannot be read; `error` then says
// why.
inline QList<AccessibleNode> readAccessibleWindows(const QString &python, const QString &script,
                                                   const QString &application,
                                                   const QProcessEnvironment &environment,
                                                   QString *error)
{
    QProcess reader;
    reader.setProcessEnvironment(environment);
    reader.start(python, {script, application});
    QList<AccessibleNode> windows;
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0) {
        *error = QString::fromUtf8(reader.readAllStandardError());
        reader.kill();
        return windows;
    }
    const QJsonDocument document = QJsonDocument::fromJson(reader.readAllStandardOutput());
    for (const QJsonValue &window : document.array())
        windows.append(AccessibleNode::fromJson(window.toObject()));
    return windows;
}

} // namespace Lumo::Testing
