#include "support/contract_desktop.h"

namespace velto::testing {

std::vector<ContractDesktopKind> ContractDesktopsToCheck() {
  return {{"Substitute", MakeSubstituteContractDesktop}};
}

}  // namespace velto::testing
