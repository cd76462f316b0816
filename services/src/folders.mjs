// The services' default folders, after the XDG base directories: data in
// $XDG_DATA_HOME/quillet-services, the log in $XDG_STATE_HOME/quillet-services
// (relative values are ignored, as the XDG rules say). A data folder at the
// old place (~/.local/share/quillet-services) keeps being used while the new
// one does not exist, so nobody loses accounts or glossaries by setting
// XDG_DATA_HOME.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

export function defaultFolders(env = process.env, home = os.homedir()) {
  const base = (name, fallback) => {
    const value = env[name];
    return value && path.isAbsolute(value) ? value : path.join(home, fallback);
  };
  const legacy = path.join(home, '.local', 'share', 'quillet-services');
  let data = path.join(base('XDG_DATA_HOME', '.local/share'), 'quillet-services');
  if (data !== legacy && !fs.existsSync(data) && fs.existsSync(legacy)) data = legacy;
  const state = path.join(base('XDG_STATE_HOME', '.local/state'), 'quillet-services');
  return { data, state, log: path.join(state, 'services.log') };
}
