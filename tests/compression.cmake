# Packed sprites: the packer and the unpacker, and every source plug-in's output packed, built
# by the 68000 tools and read back.
corvanel_test(tst_Compression tst_Compression.cpp)
target_link_libraries(tst_Compression PRIVATE corvanel_noyau)
add_dependencies(tst_Compression ${corvanel_plugins_livres} corvanel-plugin-hote)
