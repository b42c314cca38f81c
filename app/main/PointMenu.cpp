// SPDX-License-Identifier: MIT
#include "app/main/PointMenu.h"

#include "app/dialogs/PointDialogs.h"
#include "app/form/Form1.h"
#include "app/form/PointPlacer.h"
#include "app/words/Messages.h"
#include "app/words/Speech.h"
#include "facts/LineFacts.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <variant>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

// The catalogue's context for the 点 menu.
struct PointMenu {
    Q_DECLARE_TR_FUNCTIONS(zelmora::PointMenu)
};

// Performs a command of points on the board. A refusal is the dialog's to show, and the window
// stays as it was; anything else is shown, and said.
std::optional<QString> performed(Form1* form, const std::function<Outcome(Board&)>& command)
{
    std::optional<QString> refused;
    form->perform([&](Board& board) {
        Outcome outcome = command(board);
        const bool refusal = outcome.Message
            && (std::holds_alternative<PointRefusal>(*outcome.Message)
                || std::holds_alternative<PointLineRefusal>(*outcome.Message)
                || std::holds_alternative<EntryRefusal>(*outcome.Message)
                || (std::holds_alternative<PointNotice>(*outcome.Message)
                    && std::get<PointNotice>(*outcome.Message).Full));
        if (refusal) {
            refused = speech::pointNotice(*outcome.Message);
            return Outcome{};
        }
        return outcome;
    });
    if (refused) {
        form->announce(*refused);
        return refused;
    }
    return std::nullopt;
}

void ask(QWidget* window, const QString& title, const std::vector<PointDialog::Field>& fields, const QString& example,
    const QString& check, const QString& button, PointDialog::Enter enter)
{
    auto* dialog = new PointDialog(window, title, fields, example, check, button, std::move(enter));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

QAction* item(QMenu* menu, const QString& text, const QString& name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

QString pointNames(const Board& board, std::size_t k)
{
    return k < board.points().size() ? QString::fromStdString(board.points()[k].Name) : QString();
}

} // namespace

void addPointItems(QMenu* edit, Form1* form, QWidget* window)
{
    QAction* mode = edit->addAction(PointMenu::tr("点をとる(&P)"));
    mode->setObjectName(u"PlacePoints"_s);
    mode->setCheckable(true);
    PointPlacer* placer = form->pointPlacer();
    QObject::connect(mode, &QAction::toggled, placer, &PointPlacer::setActive);
    QObject::connect(placer, &PointPlacer::activeChanged, mode, [mode, form](bool on) {
        mode->setChecked(on);
        form->showMessage(on ? messages::placingPoints() : QString());
    });

    QObject::connect(
        item(edit, PointMenu::tr("点を入力(&N)…"), u"EnterPoint"_s), &QAction::triggered, window, [form, window] {
            const QString name = QString::fromStdString(nextPointName(form->board().points()).value_or(""));
            ask(window, PointMenu::tr("点を入力"),
                {{PointMenu::tr("名前(&N)："), u"PointName"_s, name}, {PointMenu::tr("χ座標(&X)："), u"PointX"_s, {}},
                    {PointMenu::tr("y座標(&Y)："), u"PointY"_s, {}}},
                PointMenu::tr("例：名前 A、χ −3、y 3　分数は 1/2 のように。同じ名前の点は動きます。"), {},
                PointMenu::tr("点をとる"), [form](const QStringList& texts, bool) -> std::optional<QString> {
                    std::optional<Notice> said;
                    auto refused = performed(form, [&](Board& board) {
                        Outcome outcome
                            = board.putPoint(texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString());
                        said = outcome.Message;
                        return outcome;
                    });
                    if (!refused && said)
                        form->announce(speech::pointNotice(*said));
                    return refused;
                });
        });

    QObject::connect(
        item(edit, PointMenu::tr("点を消す(&D)…"), u"DeletePoint"_s), &QAction::triggered, window, [form, window] {
            ask(window, PointMenu::tr("点を消す"),
                {{PointMenu::tr("名前(&N)："), u"PointName"_s, pointNames(form->board(), 0)}}, {}, {},
                PointMenu::tr("消す"), [form](const QStringList& texts, bool) -> std::optional<QString> {
                    const std::string name = texts[0].trimmed().toStdString();
                    if (pointNamed(form->board().points(), name) == nullptr)
                        return messages::notice(PointLineRefusal{std::nullopt, name});
                    form->perform([&](Board& board) { return board.deletePoint(name); });
                    form->announce(speech::pointNotice(PointNotice{name, std::nullopt}));
                    return std::nullopt;
                });
        });

    QObject::connect(item(edit, PointMenu::tr("2点を通る直線(&T)…"), u"LineThroughPoints"_s), &QAction::triggered,
        window, [form, window] {
            ask(window, PointMenu::tr("2点を通る直線"),
                {{PointMenu::tr("1つ目の点(&1)："), u"FirstPoint"_s, pointNames(form->board(), 0)},
                    {PointMenu::tr("2つ目の点(&2)："), u"SecondPoint"_s, pointNames(form->board(), 1)}},
                PointMenu::tr("いまの線の番号に、2点を通る直線の式を入れて引きます。点を動かすと線もついてきます。"),
                PointMenu::tr("座標平面の端から端まで引く(&W)"), PointMenu::tr("線を引く"),
                [form](const QStringList& texts, bool whole) -> std::optional<QString> {
                    const int slot = form->board().currentSlot();
                    auto refused = performed(form, [&](Board& board) {
                        return board.drawThrough(
                            texts[0].trimmed().toStdString(), texts[1].trimmed().toStdString(), whole);
                    });
                    if (!refused)
                        form->announce(speech::lineDrawn(form->board(), slot));
                    return refused;
                });
        });

    QObject::connect(
        item(edit, PointMenu::tr("傾きと1点(&S)…"), u"LineOfSlope"_s), &QAction::triggered, window, [form, window] {
            ask(window, PointMenu::tr("傾きと1点"),
                {{PointMenu::tr("傾き ａ(&A)："), u"SlopeA"_s, {}}, {PointMenu::tr("点のχ座標(&X)："), u"PointX"_s, {}},
                    {PointMenu::tr("点のy座標(&Y)："), u"PointY"_s, {}}},
                PointMenu::tr("例：傾き −2/3 で点 (3, −1) を通る直線"), {}, PointMenu::tr("線を引く"),
                [form](const QStringList& texts, bool) -> std::optional<QString> {
                    const int slot = form->board().currentSlot();
                    auto refused = performed(form, [&](Board& board) {
                        return board.drawWithSlope(
                            texts[0].toStdString(), texts[1].toStdString(), texts[2].toStdString());
                    });
                    if (!refused)
                        form->announce(speech::lineDrawn(form->board(), slot));
                    return refused;
                });
        });
}

void addTablePointsItem(QMenu* view, Form1* form)
{
    QAction* item = view->addAction(PointMenu::tr("表の点をとる(&O)"));
    item->setObjectName(u"PlotTablePoints"_s);
    QObject::connect(item, &QAction::triggered, form, [form] {
        const Board& board = form->board();
        const auto line = board.line(board.lineSlot());
        std::vector<ExactPoint> points;
        if (line && !line->Vertical) {
            for (const ExactPoint& point : tableOfValues(*line)) {
                // A column at an open end is a value the line does not reach: no point there.
                if (board.shows(point) && onSegment(*line, point.X))
                    points.push_back(point);
            }
        }
        if (points.empty()) {
            const QString none = PointMenu::tr("表の点がありません。線を引いてからにしてください。");
            form->showMessage(none);
            form->announce(none);
            return;
        }
        form->perform([&](Board& changed) { return changed.plotPoints(points); });
        const QString said = PointMenu::tr("表の点を%1個とりました。").arg(points.size());
        form->showMessage(said);
        form->announce(said);
    });
}

} // namespace zelmora
