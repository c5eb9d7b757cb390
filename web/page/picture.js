// The notebook's pictures, the chart and the p-h diagram, as SVG: the module
// lays each out as elements with their attributes, measuring texts in the
// page's font through `measure`, and the page only creates them; a picture
// becomes an SVG or PNG file as the desktop exports it.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.picture = (() => {
  const SVG = "http://www.w3.org/2000/svg";
  const PNG_SCALE = 2; // twice the logical size, sharp on paper and on a projector
  let context;
  let family;

  // The page's font: what the pictures' texts are set and measured in.
  function fontFamily() {
    family ??= getComputedStyle(document.body).fontFamily;
    return family;
  }

  // How wide a text is at a size in pixels, with the font's ascent and descent.
  function measure(text, pixels, bold) {
    context ??= document.createElement("canvas").getContext("2d");
    context.font = `${bold ? "bold " : ""}${pixels}px ${fontFamily()}`;
    const m = context.measureText(text);
    return {
      width: m.width,
      ascent: m.fontBoundingBoxAscent ?? m.actualBoundingBoxAscent,
      descent: m.fontBoundingBoxDescent ?? m.actualBoundingBoxDescent,
    };
  }

  function make(node) {
    const e = document.createElementNS(SVG, node.tag);
    for (const [name, value] of Object.entries(node.attrs ?? {})) e.setAttribute(name, value);
    if (node.text !== undefined) e.textContent = node.text;
    if (node.title) e.appendChild(document.createElementNS(SVG, "title")).textContent = node.title;
    for (const child of node.children ?? []) e.appendChild(make(child));
    return e;
  }

  function group(elements, className) {
    const g = document.createElementNS(SVG, "g");
    g.setAttribute("class", className);
    for (const node of elements) g.appendChild(make(node));
    return g;
  }

  // A new <svg role="img"> named `name`, with its description, for pictures to be drawn into.
  function create(container, id, name) {
    const svg = container.appendChild(document.createElementNS(SVG, "svg"));
    svg.setAttribute("role", "img");
    svg.setAttribute("aria-label", name);
    svg.setAttribute("aria-describedby", `${id}-description`);
    svg.setAttribute("class", "notebook-picture");
    svg.appendChild(document.createElementNS(SVG, "desc")).id = `${id}-description`;
    return svg;
  }

  // Draws the module's picture into `svg`: its clip box, its backdrop when
  // given (kept otherwise from the last one given) and its elements.
  function draw(svg, picture, summary) {
    svg.setAttribute("viewBox", `0 0 ${picture.width} ${picture.height}`);
    svg.setAttribute("width", picture.width);
    svg.setAttribute("height", picture.height);
    svg.style.fontFamily = fontFamily();
    svg.querySelector("desc").textContent = summary;
    const clip = make({
      tag: "clipPath", attrs: { id: picture.clipId }, children: [{ tag: "rect", attrs: picture.clip }],
    });
    const background = make({
      tag: "rect", attrs: { width: picture.width, height: picture.height, fill: picture.background },
    });
    const kept = svg.querySelector("g.backdrop");
    const backdrop = picture.backdrop ? group(picture.backdrop, "backdrop") : kept;
    const parts = [clip, background, backdrop, group(picture.elements, "content")].filter(Boolean);
    svg.replaceChildren(svg.querySelector("desc"), ...parts);
  }

  // The picture as a file holds it: the SVG with its title, maker and font,
  // or a PNG of it at twice its size on white.
  async function file(svg, picture, kind, name) {
    const copy = svg.cloneNode(true);
    copy.setAttribute("xmlns", SVG);
    copy.setAttribute("font-family", fontFamily());
    copy.removeAttribute("style");
    copy.querySelector("desc").textContent = picture.maker;
    copy.insertBefore(document.createElementNS(SVG, "title"), copy.firstChild).textContent = picture.title;
    const text = `<?xml version="1.0" encoding="UTF-8"?>\n${new XMLSerializer().serializeToString(copy)}`;
    if (kind === "svg") return { bytes: new TextEncoder().encode(text), name, type: "image/svg+xml" };
    const url = URL.createObjectURL(new Blob([text], { type: "image/svg+xml" }));
    try {
      const image = new Image();
      image.src = url;
      await image.decode();
      const canvas = document.createElement("canvas");
      canvas.width = Math.round(picture.width * PNG_SCALE);
      canvas.height = Math.round(picture.height * PNG_SCALE);
      const g = canvas.getContext("2d");
      g.fillStyle = "#fff";
      g.fillRect(0, 0, canvas.width, canvas.height);
      g.drawImage(image, 0, 0, canvas.width, canvas.height);
      const blob = await new Promise((resolve) => canvas.toBlob(resolve, "image/png"));
      if (!blob) throw new Error("PNG");
      return { bytes: new Uint8Array(await blob.arrayBuffer()), name, type: "image/png" };
    } finally {
      URL.revokeObjectURL(url);
    }
  }

  // The page's zoom, which the pictures' texts and lines follow.
  function zoom() {
    return Number(getComputedStyle(document.documentElement).getPropertyValue("--page-zoom")) || 1;
  }

  return { measure, create, draw, file, zoom };
})();
