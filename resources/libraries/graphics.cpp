// The window designs' library: the purple main-menu background, the dialogs' purple backgrounds
// with their per-language headers, the concise title strips, the touch burst and the dialog
// icons.
#include <QRandomGenerator>

#include <cmath>

#include "libraries.h"

namespace tarnel::libraries {
namespace {

enum Word {
  kOptions,
  kSpeed,
  kPassport,
  kEndGame,
  kHistory,
  kAdvice,
  kThanks,
  kAccount,
  kRegistration,
  kAbout,
  kChat,
  kCounters,
  kPassword,
  kRadio,
  kServer,
  kStatistics,
  kTopTen,
  kTournament,
  kWait,
  kOurGames,
  kSupportUs,
  kWorldTopTen,
  kOnlineTopTen,
  kWordCount
};

// Eng, Rus, Deu, Fra, Spa, Chi, Ita, Cze: the order of art::kLanguageSuffixes.
const char* const kWords[kWordCount][8] = {
    {"Options", "Настройки", "Optionen", "Options", "Opciones", "选项", "Opzioni", "Možnosti"},
    {"Speed", "Скорость", "Tempo", "Vitesse", "Velocidad", "速度", "Velocità", "Rychlost"},
    {"Passport", "Паспорт", "Pass", "Passeport", "Pasaporte", "护照", "Passaporto", "Pas"},
    {"Game over", "Конец игры", "Spielende", "Fin de partie", "Fin del juego", "游戏结束",
     "Fine partita", "Konec hry"},
    {"History", "История", "Verlauf", "Historique", "Historial", "历史", "Cronologia", "Historie"},
    {"Advice", "Совет", "Rat", "Conseil", "Consejo", "建议", "Consiglio", "Rada"},
    {"Thank you", "Спасибо", "Danke", "Merci", "Gracias", "谢谢", "Grazie", "Děkujeme"},
    {"My account", "Мой аккаунт", "Mein Konto", "Mon compte", "Mi cuenta", "我的账户",
     "Il mio account", "Můj účet"},
    {"Registration", "Регистрация", "Anmeldung", "Inscription", "Registro", "注册", "Registrazione",
     "Registrace"},
    {"About", "О программе", "Über", "À propos", "Acerca de", "关于", "Informazioni", "O programu"},
    {"Chat", "Чат", "Chat", "Chat", "Chat", "聊天", "Chat", "Chat"},
    {"Counters", "Счётчики", "Zähler", "Compteurs", "Contadores", "计数器", "Contatori",
     "Počítadla"},
    {"Password", "Пароль", "Passwort", "Mot de passe", "Contraseña", "密码", "Password", "Heslo"},
    {"Radio", "Радио", "Radio", "Radio", "Radio", "电台", "Radio", "Rádio"},
    {"Server", "Сервер", "Server", "Serveur", "Servidor", "服务器", "Server", "Server"},
    {"Statistics", "Статистика", "Statistik", "Statistiques", "Estadísticas", "统计", "Statistiche",
     "Statistika"},
    {"Top Ten", "Лучшая десятка", "Top Ten", "Top dix", "Los diez mejores", "前十名",
     "I primi dieci", "Nejlepší desítka"},
    {"Tournament", "Турнир", "Turnier", "Tournoi", "Torneo", "锦标赛", "Torneo", "Turnaj"},
    {"Please wait", "Ожидание", "Bitte warten", "Patientez", "Espere", "请稍候", "Attendere",
     "Čekejte"},
    {"Our games", "Наши игры", "Unsere Spiele", "Nos jeux", "Nuestros juegos", "我们的游戏",
     "I nostri giochi", "Naše hry"},
    {"Support us", "Поддержите нас", "Unterstützen", "Soutenez-nous", "Apóyanos", "支持我们",
     "Sostienici", "Podpořte nás"},
    {"World top ten", "Мировая десятка", "Welt-Top-Ten", "Top dix mondial", "Top mundial",
     "世界前十名", "Top dieci mondiale", "Světová desítka"},
    {"Online top ten", "Онлайн десятка", "Online-Top-Ten", "Top dix en ligne", "Top en línea",
     "在线前十名", "Top dieci online", "Online desítka"},
};

struct FormPicture {
  const char* Name;  // after "GForm"
  Word Title;
  int Width, Height;  // the dialog's client size in the purple design
  bool Large;         // also an "L" form
};

const FormPicture kForms[] = {
    {"Opt", kOptions, 500, 400, false},     {"Speed", kSpeed, 340, 280, false},
    {"Pass", kPassport, 420, 360, false},   {"EndG", kEndGame, 460, 360, false},
    {"History", kHistory, 500, 420, false}, {"Adv", kAdvice, 400, 300, false},
    {"Thank", kThanks, 400, 300, false},    {"Acc1", kAccount, 460, 400, false},
    {"About", kAbout, 420, 340, false},     {"Chat", kChat, 500, 420, true},
    {"Count", kCounters, 420, 340, true},   {"Pw", kPassword, 360, 260, true},
    {"Radio", kRadio, 420, 360, true},      {"ServerW", kServer, 420, 320, true},
    {"Stat", kStatistics, 500, 420, true},  {"TopTen", kTopTen, 450, 570, true},
    {"Tour", kTournament, 560, 440, true},  {"Wait", kWait, 360, 220, false},
};

struct TitleStrip {
  const char* Name;
  Word Title;
};

const TitleStrip kStrips[] = {
    {"Pw", kPassword},
    {"Speed", kSpeed},
    {"Passport", kPassport},
    {"EndGame", kEndGame},
    {"History", kHistory},
    {"Options", kOptions},
    {"CountInfo", kCounters},
    {"OurGames", kOurGames},
    {"SupportUs", kSupportUs},
    {"MyAccount", kAccount},
    {"MyAccountR", kRegistration},
    {"Radio", kRadio},
    {"WorldTopTen1", kWorldTopTen},
    {"WorldTopTen2", kTopTen},
    {"QelGamesChat", kChat},
    {"WorldStats", kStatistics},
    {"OnlineTopTen", kOnlineTopTen},
    {"WorldOnlineTournament", kTournament},
};

const char* FontFor(int language) {
  return art::kLanguageSuffixes[language] == "Chi" ? "WenQuanYi Micro Hei" : "DejaVu Serif";
}

// Deep violet with soft light, scattered sparkles and faint suits.
QImage Purple(int w, int h, std::uint32_t seed) {
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  art::SetupPainter(p);
  QLinearGradient g(0, 0, w * 0.4, h);
  g.setColorAt(0, QColor(70, 10, 120));
  g.setColorAt(0.55, QColor(36, 4, 70));
  g.setColorAt(1, QColor(14, 0, 30));
  p.fillRect(img.rect(), g);
  QRandomGenerator random(seed);
  for (int i = 0; i < 6; ++i) {
    QPointF c(random.bounded(double(w)), random.bounded(double(h)));
    double r = (0.2 + random.bounded(0.3)) * std::max(w, h);
    QRadialGradient glow(c, r);
    glow.setColorAt(0, QColor(190, 90, 255, 70));
    glow.setColorAt(1, QColor(190, 90, 255, 0));
    p.fillRect(img.rect(), glow);
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < w * h / 2500; ++i) {
    QPointF c(random.bounded(double(w)), random.bounded(double(h)));
    p.setBrush(QColor(255, 230, 255, 40 + random.bounded(120)));
    double r = 0.5 + random.bounded(1.5);
    p.drawEllipse(c, r, r);
  }
  for (int i = 0; i < 4; ++i) {
    double s = std::min(w, h) * 0.18;
    QRectF box(w * (0.12 + 0.22 * i) - s / 2, h * (i % 2 ? 0.72 : 0.28) - s / 2, s, s * 1.1);
    p.setBrush(QColor(255, 255, 255, 14));
    p.drawPath(art::SuitPath(i, box));
  }
  return img;
}

// Gold text with a dark edge on a transparent picture of the dialog's size.
QImage Header(int w, int h, const QString& text, int language, double scale) {
  QImage img = art::NewImage(w, h);
  QPainter p(&img);
  art::SetupPainter(p);
  QFont font = art::Font(FontFor(language), 30 * scale, true);
  QFontMetricsF m(font);
  while (m.horizontalAdvance(text) > 270 * scale && font.pixelSize() > 12) {
    font.setPixelSize(font.pixelSize() - 1);
    m = QFontMetricsF(font);
  }
  // The ribbon design draws this picture over a 280 x 90 ribbon placed near the top left.
  art::OutlinedText(p, QRectF(20 * scale, 12 * scale, 280 * scale, 70 * scale), text, font,
                    QColor(255, 215, 90), QColor(60, 10, 30), 4 * scale);
  return img;
}

QImage Strip(const QString& text, int language) {
  constexpr int w = 300, h = 48;
  QImage img = art::NewImage(w, h);
  QPainter p(&img);
  art::SetupPainter(p);
  QRectF r(0.5, 4.5, w - 1, h - 9);
  p.setPen(QPen(QColor(110, 110, 120), 1));
  p.setBrush(art::Vertical(r, QColor(250, 250, 252), QColor(196, 198, 206)));
  p.drawRoundedRect(r, 6, 6);
  p.setPen(QPen(QColor(170, 20, 30), 3));
  p.drawLine(QPointF(12, h - 9), QPointF(w - 12, h - 9));
  QFont font = art::Font(FontFor(language), 24, true);
  QFontMetricsF m(font);
  while (m.horizontalAdvance(text) > w - 60 && font.pixelSize() > 10) {
    font.setPixelSize(font.pixelSize() - 1);
    m = QFontMetricsF(font);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 20, 30));
  p.drawPath(art::SuitPath(art::kHearts, QRectF(10, 15, 16, 17)));
  p.setBrush(QColor(30, 30, 40));
  p.drawPath(art::SuitPath(art::kSpades, QRectF(w - 26, 15, 16, 17)));
  p.setFont(font);
  p.setPen(QColor(40, 40, 60));
  p.drawText(QRectF(30, 4, w - 60, h - 12), Qt::AlignCenter, text);
  return img;
}

// Thirty frames of a golden burst: a ring of sparks flies out and fades.
QImage Touch() {
  QImage img = art::NewImage(3000, 100);
  QPainter p(&img);
  art::SetupPainter(p);
  for (int f = 0; f < 30; ++f) {
    double t = f / 29.0;
    QPointF c(f * 100 + 50, 50);
    int alpha = static_cast<int>(255 * (1 - t));
    double r = 6 + 40 * std::sqrt(t);
    QRadialGradient glow(c, r);
    glow.setColorAt(0, QColor(255, 250, 200, alpha * 3 / 4));
    glow.setColorAt(1, QColor(255, 180, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 12; ++i) {
      double a = i * M_PI / 6 + t * 0.8;
      QPointF at = c + QPointF(r * std::cos(a), r * std::sin(a));
      art::DrawMotif(p, art::Motif::Star, at, 5 * (1 - t * 0.5),
                     QColor(255, i % 2 ? 220 : 150, 40, alpha));
    }
  }
  return img;
}

// Ten frames of a card turning round its upright axis, showing a suit, in a 48 x 48 box.
QImage Icon(int suitOffset) {
  QImage img = art::NewImage(480, 48);
  QPainter p(&img);
  art::SetupPainter(p);
  for (int f = 0; f < 10; ++f) {
    double turn = std::cos(f * 2 * M_PI / 10);
    int suit = (suitOffset + (turn < 0 ? 1 : 0)) % 4;
    p.save();
    p.translate(f * 48 + 24, 24);
    p.scale(std::max(0.08, std::abs(turn)), 1);
    QRectF card(-15, -20, 30, 40);
    p.setPen(QPen(QColor(200, 170, 60), 1.5));
    p.setBrush(art::Vertical(card, QColor(255, 255, 250), QColor(230, 220, 255)));
    p.drawRoundedRect(card, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(suit < 2 ? QColor(200, 20, 40) : QColor(60, 20, 110));
    p.drawPath(art::SuitPath(suit, QRectF(-10, -11, 20, 22)));
    p.restore();
  }
  return img;
}

}  // namespace

void AddGraphics(art::Sink& sink) {
  sink.Jpeg("BGLilu", Purple(1520, 1000, 7));
  int index = 0;
  for (const auto& form : kForms) {
    for (bool large : {false, true}) {
      if (large && !form.Large) continue;
      // The "L" form serves the same dialog in its taller layout.
      double scale = large ? 1.4 : 1.0;
      int w = static_cast<int>(form.Width * scale), h = static_cast<int>(form.Height * scale);
      std::string name = std::string("GForm") + form.Name + (large ? "L" : "");
      sink.Jpeg(name, Purple(w, h, 100 + index));
      for (std::size_t language = 0; language < art::kLanguageSuffixes.size(); ++language) {
        int l = static_cast<int>(language);
        sink.Png(name + art::kLanguageSuffixes[language],
                 Header(w, h, QString::fromUtf8(kWords[form.Title][l]), l, scale));
      }
    }
    sink.Png(std::string("GIcon48") + form.Name, Icon(index));
    ++index;
  }
  for (const auto& strip : kStrips) {
    for (std::size_t language = 0; language < art::kLanguageSuffixes.size(); ++language) {
      int l = static_cast<int>(language);
      sink.Png(strip.Name + art::kLanguageSuffixes[language],
               Strip(QString::fromUtf8(kWords[strip.Title][l]), l));
    }
  }
  sink.Png("GTouch", Touch());
}

}  // namespace tarnel::libraries
