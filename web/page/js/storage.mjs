// The load kept between visits (localStorage) and load files opened and saved as on the
// desktop: through the File System Access API where the browser has it, otherwise by upload
// and download.

const KEY = "tarnwick.load";

export function keptLoadText(storage = globalThis.localStorage) {
  try {
    return storage?.getItem(KEY) ?? null;
  } catch {
    return null;  // storage refused (private mode): start afresh
  }
}

export function keepLoadText(text, storage = globalThis.localStorage) {
  try {
    storage?.setItem(KEY, text);
    return true;
  } catch {
    return false;
  }
}

const types = [{ description: "Tarnwick load", accept: { "application/json": [".json"] } }];

// The chosen file's name and text, or null when the user cancels.
export async function openLoadFile(fileInput) {
  if (window.showOpenFilePicker) {
    try {
      const [handle] = await window.showOpenFilePicker({ types });
      const file = await handle.getFile();
      return { name: file.name, text: await file.text(), handle };
    } catch (e) {
      if (e.name === "AbortError") return null;
      throw e;
    }
  }
  return new Promise((resolve) => {
    fileInput.value = "";
    fileInput.onchange = async () => {
      const file = fileInput.files[0];
      resolve(file ? { name: file.name, text: await file.text(), handle: null } : null);
    };
    fileInput.click();
  });
}

// Saves `text` under a name the user picks (or downloads it); returns the handle to save to
// again, or null.
export async function saveLoadFile(text, suggestedName, handle = null) {
  if (window.showSaveFilePicker) {
    try {
      const target = handle ?? await window.showSaveFilePicker({ suggestedName, types });
      const writable = await target.createWritable();
      await writable.write(text);
      await writable.close();
      return target;
    } catch (e) {
      if (e.name === "AbortError") return null;
      throw e;
    }
  }
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "application/json" }));
  link.download = suggestedName;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  return null;
}

// A file name for a load: its name made safe, or "load".
export function fileNameFor(loadName) {
  const base = String(loadName ?? "").trim().replace(/[^\p{L}\p{N} ._-]+/gu, "").replace(/\s+/g, "-");
  return (base || "load").slice(0, 60) + ".json";
}
