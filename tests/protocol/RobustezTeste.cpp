// Whatever the server sends, the client handles it or logs it: it never crashes or hangs.
#include "apoio/Ambiente.h"

#include "app/Janelas.h"
#include "community/Login.h"
#include "protocol/Catalogo.h"

#include <QRandomGenerator>

namespace {

class Robustez : public TAmbiente {
protected:
    void SetUp() override
    {
        TAmbiente::SetUp();
        CriarJanelas();
    }
    void Receber(const QString& texto) { FrLogin->MensagemRecebida(texto, texto.toLatin1()); }
};

} // namespace

TEST_F(Robustez, CamposEstranhosEmTodoCodigo)
{
    QRandomGenerator sorteio(20261211);
    const QString estranhos[] = {"", " ", ",,,,,,,,,,", "-1,-1,-1,-1", "99999999999,x,y", "0,0,0,0,0,0,0,0,0",
        "7,7,7,7,7,7,7,7,7", ":041:::000:", QString(2000, 'x'), QString::fromUtf8("ção,€,😀")};
    for (const TCodigoEntrada& c : CodigosEntrada()) {
        const QString codigo = QString::fromLatin1(c.Codigo);
        for (const QString& campos : estranhos) {
            Receber(codigo + QLatin1Char(' ') + campos);
            Receber(QStringLiteral("0000") + codigo + campos);
        }
        for (int i = 0; i < 20; ++i) {
            QString lixo;
            for (int n = sorteio.bounded(60); n > 0; --n)
                lixo += QChar(char16_t(sorteio.bounded(1, 256)));
            Receber(codigo + QLatin1Char(' ') + lixo);
        }
        Receber(codigo);
    }
    SUCCEED();
}
