// What a user may choose.
#include "Validacao.h"

#include "app/Windows1252.h"

#include <QStringList>

#include <algorithm>

namespace {

bool CaractereDeNick(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('.')
        || c == QLatin1Char(' ');
}

bool CabeNoFio(const QString& texto)
{
    return DeWindows1252(ParaWindows1252(texto)) == texto;
}

const QStringList Estados = {
    "AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO", "MA", "MG", "MS", "MT", "PA", "PB", "PE", "PI",
    "PR", "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO", "--",
};

std::optional<QString> TextoLivre(const QString& valor, int maximo)
{
    const QString limpo = SemControles(valor).remove(QLatin1Char(',')).trimmed();
    if (limpo.isEmpty() || limpo.size() > maximo || !CabeNoFio(limpo))
        return std::nullopt;
    return limpo;
}

std::optional<QString> Nascimento(const QString& valor, const QDate& hoje)
{
    const QDate data = QDate::fromString(valor, QStringLiteral("yyyy-MM-dd"));
    if (!data.isValid() || data.year() < 1900 || data > hoje)
        return std::nullopt;
    return data.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString SemControles(QString texto)
{
    texto.removeIf([](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0); });
    return texto;
}

bool NickValido(const QString& nick)
{
    if (nick.size() < 3 || nick.size() > 14 || !CabeNoFio(nick) || nick != nick.trimmed()
        || nick.contains(QStringLiteral("  ")))
        return false;
    if (nick.compare(QLatin1String(NomeDoServidor), Qt::CaseInsensitive) == 0)
        return false;
    return std::all_of(nick.begin(), nick.end(), CaractereDeNick);
}

bool SenhaValida(const QString& senha)
{
    return senha.size() >= 2 && senha.size() <= 8 && !senha.contains(QLatin1Char(',')) && SemControles(senha) == senha
        && CabeNoFio(senha);
}

std::optional<QString> DadoPessoalValido(int item, const QString& valor, const QDate& hoje)
{
    switch (item) {
    case 1: return TextoLivre(valor, 50);
    case 2: return Nascimento(valor.trimmed(), hoje);
    case 3: return valor == QLatin1String("F") || valor == QLatin1String("M") ? std::optional(valor) : std::nullopt;
    case 4: return TextoLivre(valor, 50);
    case 5: return TextoLivre(valor, 30);
    case 6: return Estados.contains(valor) ? std::optional(valor) : std::nullopt;
    default: return std::nullopt;
    }
}
