#include "windows/textguard.h"

#include "files/projectfiles.h"

#include <QLineEdit>
#include <QPointer>
#include <QToolTip>
#include <QValidator>

namespace {
class StorableTextValidator : public QValidator
{
public:
    StorableTextValidator(QLineEdit *edit, std::function<void(const QString &)> show)
        : QValidator(edit), m_edit(edit), m_show(std::move(show))
    {
    }

    State validate(QString &input, int &pos) const override
    {
        QChar refused = FirstRefusedCharacter(input);
        if (refused.isNull())
            return Acceptable;
        // Drop every such character and keep the cursor where the user left it.
        QString kept;
        kept.reserve(input.size());
        int newPos = pos;
        for (int i = 0; i < input.size(); ++i) {
            if (FirstRefusedCharacter(QString(input[i])).isNull())
                kept.append(input[i]);
            else if (i < pos)
                --newPos;
        }
        input = kept;
        pos = qBound(0, newPos, int(kept.size()));
        if (m_edit) {
            const QString message = UnstorableCharacterMessage(refused);
            m_edit->setProperty(StorableTextGuardProperty(), message);
            if (m_show)
                m_show(message);
            else
                QToolTip::showText(m_edit->mapToGlobal(QPoint(0, m_edit->height())), message, m_edit);
        }
        return Acceptable;
    }

private:
    QPointer<QLineEdit> m_edit;
    std::function<void(const QString &)> m_show;
};
}

QString UnstorableCharacterMessage(QChar refused)
{
    QString what;
    if (refused == u'"')
        what = QStringLiteral("Een aanhalingsteken (\")");
    else if (refused == u'\r' || refused == u'\n')
        what = QStringLiteral("Een regelovergang");
    else if (refused.unicode() < 0x20 || refused.unicode() == 0x7F)
        what = QStringLiteral("Een stuurteken");
    else if (refused.isSurrogate())
        what = QStringLiteral("Een teken buiten de Windows-tekenset");
    else
        what = QStringLiteral("Het teken '%1'").arg(refused);
    return what + QStringLiteral(" kan niet in een project worden bewaard en is weggelaten.");
}

void InstallStorableTextGuard(QLineEdit *edit, std::function<void(const QString &)> show)
{
    if (!edit)
        return;
    edit->setValidator(new StorableTextValidator(edit, std::move(show)));
    edit->setProperty(StorableTextGuardProperty(), QString());
}
