# The game between two programs runs this helper twice, as host and as joining program
# (where the tests start programs by fork).
if(NOT WIN32)
  add_executable(net_game_peer ${CMAKE_CURRENT_SOURCE_DIR}/net/peer/NetGamePeer.cpp)
  target_compile_options(net_game_peer PRIVATE ${ZENTOIR_WARNINGS})
  target_link_libraries(net_game_peer PRIVATE zentoir_internal)
  target_compile_definitions(test_net PRIVATE NET_GAME_PEER="$<TARGET_FILE:net_game_peer>")
  add_dependencies(test_net net_game_peer)
endif()
