#pragma once

// What the searches take to choose their column, kind or date. Plain enums:
// the ordinals are part of how callers pass them around.

// The column a member or partner search matches the typed text against.
enum TTipoPesqParceiro { tpNome, tpDocumento, tpEndereco, tpBairro };

// Customers ("C"), suppliers ("F") or both.
enum TTipoParceiro { tpCliente, tpFornecedor, tpTodosParc };

// City by its exact IBGE code or by a fragment of its name.
enum TTipoPesqCidade { tpIbge, tpCidade };

// Partners of the member in work only, or of all members.
enum TTipoCadastro { tpMeus, tpTodosCad };

// The date of an entry a date range applies to.
enum TTipoDataPesq { tpLancamento, tpVencimento, tpPagamento };
