// The account port's logic.
#include "Cadastro.h"

#include "Validacao.h"
#include "app/Texto.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcCadastro, "velmor.cadastro")

TCadastro::TCadastro(TBancoContas& banco, TRelogio relogio)
    : FBanco(banco), FRelogio(std::move(relogio))
{
}

void TCadastro::Recebeu(ICanal* canal, const TPedido& pedido)
{
    if (pedido.Codigo == QLatin1String("ChkNic"))
        ChkNic(canal, pedido);
    else if (pedido.Codigo == QLatin1String("SetVa2"))
        SetVa2(canal, pedido);
    else
        qCInfo(lcCadastro) << canal->Descricao() << "pedido fora do cadastro:" << pedido.Codigo;
}

void TCadastro::Desconectou(ICanal* canal)
{
    FCriadas.remove(canal);
}

void TCadastro::ChkNic(ICanal* canal, const TPedido& p)
{
    // The verdict goes before "ChkNic": the client hangs up as soon as it reads that.
    const auto recusar = [&](const char* codigo) {
        canal->Enviar(QStringLiteral("ConFal ") + QLatin1String(codigo));
        canal->Enviar(QStringLiteral("ChkNic 1"));
    };
    const QString nick = p.Campo(1);
    if (FCriadas.contains(canal))
        return recusar(ErroCadastro::JaCriada);
    if (!NickValido(nick))
        return recusar(ErroCadastro::NickInvalido);
    if (!SenhaValida(p.Campo(2)))
        return recusar(ErroCadastro::SenhaInvalida);
    switch (FBanco.Criar(nick, p.Campo(2), TipoContaNova)) {
    case TCriacao::NickEmUso:
        return recusar(ErroCadastro::NickEmUso);
    case TCriacao::Falha:
        return recusar(ErroCadastro::FalhaInterna);
    case TCriacao::Criada:
        break;
    }
    FCriadas.insert(canal, FBanco.Buscar(nick).value_or(TConta{}).Id);
    qCInfo(lcCadastro) << "conta criada:" << nick << "de" << canal->Descricao();
    canal->Enviar(QStringLiteral("ConCri"));
    canal->Enviar(QStringLiteral("ChkNic 0"));
}

void TCadastro::SetVa2(ICanal* canal, const TPedido& p)
{
    const auto criada = FCriadas.constFind(canal);
    const std::optional<TConta> conta = criada == FCriadas.cend() ? std::nullopt : FBanco.BuscarId(*criada);
    if (!conta || conta->Nick.compare(p.Campo(1), Qt::CaseInsensitive) != 0) {
        qCInfo(lcCadastro) << canal->Descricao() << "dados pessoais de uma conta que não criou:" << p.Campo(1).left(20);
        return;
    }
    const int item = InteiroLeniente(p.Campo(2));
    const std::optional<QString> valor = DadoPessoalValido(item, p.Campos.section(QLatin1Char(','), 2), FRelogio.Agora().date());
    if (!valor) {
        qCInfo(lcCadastro) << conta->Nick << "mandou o dado pessoal" << item << "inválido";
        return;
    }
    FBanco.GravarDado(conta->Id, item, *valor);
}
