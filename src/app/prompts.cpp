#include "app/prompts.h"

#include "app/app_texts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

void WidgetPrompts::warning(const QString &caption, const QString &text)
{
    QMessageBox::warning(m_parent, caption, text, QMessageBox::Ok);
}

void WidgetPrompts::information(const QString &caption, const QString &text)
{
    QMessageBox::information(m_parent, caption, text, QMessageBox::Ok);
}

Prompts::Answer WidgetPrompts::askYesNoCancel(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setButtonText(QMessageBox::Yes, T("Yes"));
    box.setButtonText(QMessageBox::No, T("No"));
    box.setButtonText(QMessageBox::Cancel, T("Cancel"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        return Cancel;
    }
}

QString WidgetPrompts::openFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, QString(), QtFileFilter(filter));
}

QString WidgetPrompts::saveFileName(const QString &title, const QString &filter, const QString &defaultSuffix,
                                    const QString &proposal)
{
    QFileDialog dialog(m_parent, title, proposal, QtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix.startsWith(QLatin1Char('.')) ? defaultSuffix.mid(1)
                                                                       : defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString QtFileFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString pattern = parts[i + 1];
        if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        if (!description.contains(QLatin1Char('(')) || description == QLatin1String("*.*"))
            description += QStringLiteral(" (%1)").arg(pattern);
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}
