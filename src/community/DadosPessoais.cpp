// The six personal-data fields shared by the new-account and profile windows.
#include "community/DadosPessoais.h"

#include "community/Datas.h"

const QStringList& ListaUF()
{
    static const QStringList uf = {
        QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"), QStringLiteral("BA"),
        QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"), QStringLiteral("GO"), QStringLiteral("MA"),
        QStringLiteral("MG"), QStringLiteral("MS"), QStringLiteral("MT"), QStringLiteral("PA"), QStringLiteral("PB"),
        QStringLiteral("PE"), QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("RJ"), QStringLiteral("RN"),
        QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"), QStringLiteral("SC"), QStringLiteral("SE"),
        QStringLiteral("SP"), QStringLiteral("TO"), QStringLiteral("--"),
    };
    return uf;
}

void TCamposPessoais::Criar(QWidget* janela, QPoint nome, QPoint email, QPoint nascimento, QPoint cidade, QPoint sexo, QPoint uf)
{
    pfNome = new TEdicao(janela, QStringLiteral("pfNome"), QRect(nome, QSize(359, 21)), 50);
    QObject::connect(pfNome, &QLineEdit::textEdited, pfNome, [e = pfNome](const QString& t) {
        if (t != t.toUpper()) {
            const int pos = e->cursorPosition();
            e->setText(t.toUpper());
            e->setCursorPosition(pos);
        }
    });
    pfEmail = new TEdicao(janela, QStringLiteral("pfEmail"), QRect(email, QSize(359, 21)), 50);
    QObject::connect(pfEmail, &QLineEdit::textEdited, pfEmail, [e = pfEmail](const QString& t) {
        if (t != t.toLower()) {
            const int pos = e->cursorPosition();
            e->setText(t.toLower());
            e->setCursorPosition(pos);
        }
    });
    pfNascimento = new TEdicao(janela, QStringLiteral("pfNascimento"), QRect(nascimento, QSize(104, 21)), 10);
    QObject::connect(pfNascimento, &QLineEdit::textChanged, pfNascimento, [e = pfNascimento](const QString& t) {
        const QString mascarada = MascararData(t);
        if (mascarada != t) {
            e->setText(mascarada);
            e->setCursorPosition(mascarada.size());
        }
    });
    pfCidade = new TEdicao(janela, QStringLiteral("pfCidade"), QRect(cidade, QSize(152, 21)), 50);
    pfSexo = new QComboBox(janela);
    pfSexo->setObjectName(QStringLiteral("pfSexo"));
    pfSexo->setGeometry(QRect(sexo, QSize(116, 22)));
    pfSexo->addItems({QStringLiteral("Feminino"), QStringLiteral("Masculino")});
    pfUF = new QComboBox(janela);
    pfUF->setObjectName(QStringLiteral("pfUF"));
    pfUF->setGeometry(QRect(uf, QSize(70, 22)));
    pfUF->addItems(ListaUF());
    pfUF->setCurrentIndex(-1);

    pfNome->setToolTip(QStringLiteral("Seu Nome Completo"));
    pfNascimento->setToolTip(QStringLiteral("Sua Data de Nascimento dd/mm/aaaa"));
    pfSexo->setToolTip(QStringLiteral("Escolha uma das opções"));
    pfEmail->setToolTip(QStringLiteral("Informe uma conta de email válida"));
    pfCidade->setToolTip(QStringLiteral("Sua Cidade se no Brasil, ou seu pais se acessar do exterior"));
    pfUF->setToolTip(QStringLiteral("Informe o seu estado se residente no Brasil, ou -- para acesso do exterior"));
}

void TCamposPessoais::SelecionarUF(const QString& uf)
{
    pfUF->setCurrentIndex(ListaUF().indexOf(uf));
}
