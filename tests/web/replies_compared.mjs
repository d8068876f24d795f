// One set of lines answered twice: by a native program as one JSON Lines run,
// and by its WebAssembly module one call per line (a blank line gets no
// reply in either). The first differences are shown where they start.
import { spawnSync } from "node:child_process";
import { createRequire } from "node:module";
import path from "node:path";

export async function compareReplies({ lines, nativePath, modulePath, handle }) {
  const native = spawnSync(nativePath, { input: Buffer.concat(lines.flatMap((l) => [l, Buffer.from("\n")])),
    maxBuffer: 1 << 30 });
  if (native.error) throw native.error;
  const nativeReplies = native.stdout.toString("utf8").split("\n");
  nativeReplies.pop();

  const require = createRequire(import.meta.url);
  const module = await require(path.resolve(modulePath))();
  const lengthSlot = module._malloc(4);
  const decoder = new TextDecoder();
  const wasmReplies = [];
  for (const bytes of lines) {
    const pointer = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, pointer);
    const reply = module[handle](pointer, bytes.length, lengthSlot);
    module._free(pointer);
    if (reply === 0) continue;
    const length = module.HEAPU32[lengthSlot >> 2];
    wasmReplies.push(decoder.decode(module.HEAPU8.subarray(reply, reply + length)));
  }

  let failed = 0;
  const total = Math.max(nativeReplies.length, wasmReplies.length);
  for (let i = 0; i < total; ++i) {
    if (nativeReplies[i] === wasmReplies[i]) continue;
    if (++failed > 5) continue;
    const [n, w] = [nativeReplies[i] ?? "", wasmReplies[i] ?? ""];
    let at = 0;
    while (at < n.length && n[at] === w[at]) ++at;
    console.log(`reply ${i} differs at ${at}\n  line: ${lines[i]?.toString().slice(0, 400)}\n` +
      `  native: …${n.slice(Math.max(0, at - 120), at + 80)}\n  wasm:   …${w.slice(Math.max(0, at - 120), at + 80)}`);
  }
  return { nativeReplies, failed, total };
}
