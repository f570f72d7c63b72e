# Deployment configuration compiled into the programs (README, "Deployment").
# Each value lands in the programs' KESTCONFIG resource (Key=Value lines); tests rewrite that
# resource in copies of the real programs with dist/tools/setconfig.exe to aim them at 127.0.0.1.
set(KEST_UPDATE_HOST "update.kest.example" CACHE STRING "Host (and optional :port) of the update service; up fetches http://HOST/update/")
set(KEST_TIPS_HOST "tips.kest.example" CACHE STRING "Host of the tips web site; the login page is http://HOST/kest_tips")
set(KEST_TIPS_DOMAIN "kest.example" CACHE STRING "Domain of the tips web site: navigation within it stays in the embedded browser")
set(KEST_PARTNER_DOMAIN "partner.example" CACHE STRING "The other company's domain, also allowed in the login window")
set(KEST_TIPS_RPC_HOST "rpc.kest.example" CACHE STRING "Host (and optional :port) of the tips Hprose endpoint, http://HOST/")

set(KEST_CONFIG_TEXT
"UpdateHost=${KEST_UPDATE_HOST}
TipsHost=${KEST_TIPS_HOST}
TipsDomain=${KEST_TIPS_DOMAIN}
PartnerDomain=${KEST_PARTNER_DOMAIN}
TipsRpcHost=${KEST_TIPS_RPC_HOST}
")
file(WRITE ${CMAKE_BINARY_DIR}/generated/kestconfig.txt.in "${KEST_CONFIG_TEXT}")
configure_file(${CMAKE_BINARY_DIR}/generated/kestconfig.txt.in ${CMAKE_BINARY_DIR}/generated/kestconfig.txt COPYONLY)
# An .rc line that programs include to carry the configuration.
set(KEST_CONFIG_RC_LINE "KESTCONFIG RCDATA \"${CMAKE_BINARY_DIR}/generated/kestconfig.txt\"")
