// The files the game saves ("Score.dat", "Pindrake.ini") live in the browser's
// IndexedDB, mounted at /saved, which the runtime writes through after every save.
// Before the program starts, what was saved there is copied back to its own path.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  FS.mkdir('/saved');
  FS.mount(IDBFS, {}, '/saved');
  addRunDependency('saved-files');
  FS.syncfs(true, function (error) {
    try {
      if (error) console.warn('The saved files could not be read: ' + error);
      else copySavedFiles('/saved');
    } finally {
      removeRunDependency('saved-files');
    }
  });
});

// A stored entry that cannot take its place (a folder where a file is now, damaged
// storage) is left out with a console line; the game starts all the same.
function copySavedFiles(folder) {
  FS.readdir(folder).forEach(function (name) {
    if (name === '.' || name === '..') return;
    var from = folder + '/' + name, to = from.substring('/saved'.length);
    try {
      if (FS.isDir(FS.stat(from).mode)) {
        FS.mkdirTree(to);
        copySavedFiles(from);
      } else {
        FS.writeFile(to, FS.readFile(from));
      }
    } catch (error) {
      console.warn('The saved file ' + to + ' was not restored: ' + error);
    }
  });
}
