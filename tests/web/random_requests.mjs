// What the web tests share: a small seeded generator (mulberry32, the same
// run after run) and the names of the boxes and buttons requests use.
export function seeded(start) {
  let seed = start >>> 0;
  const random = () => {
    seed = (seed + 0x6d2b79f5) >>> 0;
    let t = seed;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const below = (n) => Math.floor(random() * n);
  return { below, pick: (list) => list[below(list.length)] };
}

export const boxes = ["XI", "XII", "XIII", "XIV", "YI", "YII", "YIII", "YIV", "ZI", "ZII", "ZIII", "ZIV", "Def"];
export const buttons = ["Suma", "Resta", "Multiplicacion", "Division", "Maximo", "Minimo", "Cuadrado", "Raiz",
  "DEFUZY", "Borrar", "XZ", "YZ"];
