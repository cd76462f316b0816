# Sourced by the scripts that run Node.js. Expects $here (the checkout).
# When install-deps.sh brought the project's own Node.js into .tools/node (the
# machine's Node is older than 20, or has no headers to build native modules
# against), that one comes first on PATH, for the scripts and for what they
# start (CMake, CTest, the tests, the services).
quillet_local_node="$here/.tools/node"
if [ -x "$quillet_local_node/bin/node" ]; then
  case ":$PATH:" in
    *":$quillet_local_node/bin:"*) ;;
    *) PATH="$quillet_local_node/bin:$PATH"; export PATH ;;
  esac
fi
