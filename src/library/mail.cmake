# The mail and account-window routines of the library, and the stand-in host's mail
# and account windows.
target_sources(velto_library PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/account_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filed_mail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_errors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mailbox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/marker_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_menu.cpp)

target_sources(velto_standin PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/../standin/standin_accounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../standin/standin_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../standin/standin_mail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../standin/standin_mail_list.cpp)
