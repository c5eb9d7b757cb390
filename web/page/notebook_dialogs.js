// The page's modal dialogs, in the desktop's words from the module: "Fijar
// condiciones", a question with its buttons, the list of keys, "Acerca de
// Gelvor", saving under a name and the kind of picture to export. Alt and
// the letter after "&" in a label or a button work as on the desktop.
"use strict";
window.GelvorPage = window.GelvorPage || {};

GelvorPage.dialogs = (() => {
  const { element } = GelvorPage.controls;

  // A caption with "&" before its key: the text with that letter marked,
  // and the key.
  function mnemonic(target, caption) {
    const at = caption.search(/&[^&]/);
    target.replaceChildren();
    if (at < 0) {
      target.append(caption);
      return null;
    }
    const key = caption[at + 1];
    target.append(caption.slice(0, at), element("span", { class: "mnemonic" }, key),
      caption.slice(at + 2));
    return key.toLowerCase();
  }

  // Shows `dialog` as a modal and resolves with the value of the button that
  // closed it, or "" for Esc. Alt and a marked letter press its button or
  // go to its label's field.
  function modal(dialog, { focus } = {}) {
    dialog.returnValue = "";
    const onKey = (event) => {
      if (!event.altKey || event.ctrlKey || event.key.length !== 1) return;
      const marked = [...dialog.querySelectorAll("[data-key]")]
        .find((e) => e.dataset.key === event.key.toLowerCase());
      if (!marked) return;
      event.preventDefault();
      event.stopPropagation();
      if (marked.tagName === "LABEL") marked.control?.focus();
      else marked.click();
    };
    dialog.addEventListener("keydown", onKey);
    return new Promise((resolve) => {
      // A close comes as a task of its own: one from the dialog's last
      // showing may arrive once it is open again, and is not this one's.
      const onClose = () => {
        if (dialog.open) return;
        dialog.removeEventListener("close", onClose);
        dialog.removeEventListener("keydown", onKey);
        resolve(dialog.returnValue);
      };
      dialog.addEventListener("close", onClose);
      dialog.showModal();
      focus?.focus();
    });
  }

  function labelled(e, caption) {
    const key = mnemonic(e, caption);
    if (key) {
      e.dataset.key = key;
      const target = e.tagName === "LABEL" ? e.control : e;
      target?.setAttribute("aria-keyshortcuts", `Alt+${key.toUpperCase()}`);
    }
    return e;
  }

  // "Fijar condiciones": the five values as accepted, or null.
  async function conditions(gelvor) {
    const form = gelvor.conditionsForm();
    const dialog = document.getElementById("frmCondiciones");
    dialog.querySelector("form").noValidate = true; // the module keeps each value in its range
    document.getElementById("frmCondicionesTitle").textContent = form.title;
    const fields = dialog.querySelector(".fields");
    fields.replaceChildren();
    const inputs = form.fields.map((f) => {
      const row = fields.appendChild(element("p", { class: "field" }));
      const label = row.appendChild(element("label", { for: f.id }));
      const input = row.appendChild(element("input", {
        id: f.id, type: "number", min: f.min, max: f.max, step: f.decimals ? 0.1 : 1,
        "aria-label": f.name, "aria-describedby": `${f.id}Unidad`,
      }));
      input.value = String(f.value);
      row.appendChild(element("span", { id: `${f.id}Unidad`, class: "unit" }, f.unit.trim()));
      labelled(label, f.label);
      return input;
    });
    const { title, points } = form.exercise;
    dialog.querySelector(".exercise legend").textContent = title;
    const buttons = dialog.querySelector(".points");
    buttons.replaceChildren();
    for (const p of points) {
      const b = buttons.appendChild(element("button", { type: "button", id: p.id, "aria-label": p.name }));
      labelled(b, p.caption);
      // Its settings (a group's point sets all five), then accepted, as the desktop's button does.
      b.addEventListener("click", () => {
        [p.condenser, p.evaporator, p.barometer, p.water, p.ambient].forEach((v, i) => {
          if (v !== undefined) inputs[i].value = String(v);
        });
        dialog.close("ok");
      });
    }
    dialog.querySelector(".accept").textContent = form.accept;
    dialog.querySelector(".cancel").textContent = form.cancel;
    const answer = await modal(dialog, { focus: inputs[0] });
    return answer === "ok" ? inputs.map((i) => i.valueAsNumber) : null;
  }

  // A question with its buttons, each {caption, value}; the default one
  // has the focus. Resolves with the value of the button pressed, or "" for Esc.
  function question({ title, text, buttons, focus }) {
    const dialog = document.getElementById("pregunta");
    document.getElementById("preguntaTitle").textContent = title;
    document.getElementById("preguntaText").textContent = text;
    const row = dialog.querySelector(".buttons");
    row.replaceChildren();
    const made = buttons.map(({ caption, value }) =>
      row.appendChild(labelled(element("button", { value, id: `pregunta-${value}` }), caption)));
    return modal(dialog, { focus: made[Math.max(0, buttons.findIndex((b) => b.value === focus))] });
  }

  // F1: every key of the bench and the notebook, in the desktop's groups.
  function keyList(gelvor) {
    const list = gelvor.keyList();
    const dialog = document.getElementById("frmAtajos");
    document.getElementById("frmAtajosTitle").textContent = list.title;
    const table = document.getElementById("listaAtajos");
    table.setAttribute("aria-label", list.listName);
    table.tHead.replaceChildren(element("tr"));
    for (const heading of [list.keyHeading, list.whatHeading]) {
      table.tHead.rows[0].appendChild(element("th", { scope: "col" }, heading));
    }
    const body = table.tBodies[0];
    body.replaceChildren();
    for (const group of list.groups) {
      body.appendChild(element("tr", { class: "group" }))
        .appendChild(element("th", { scope: "colgroup", colspan: "2" }, group.title));
      for (const line of group.lines) {
        const tr = body.appendChild(element("tr"));
        tr.appendChild(element("td", {}, line.keys));
        tr.appendChild(element("td", {}, line.what));
      }
    }
    const frame = dialog.querySelector(".keys-frame");
    frame.tabIndex = 0; // scrolled by its arrow keys
    frame.setAttribute("role", "region");
    frame.setAttribute("aria-label", list.listName);
    dialog.querySelector(".close").textContent = list.close;
    return modal(dialog, { focus: frame });
  }

  // "Acerca de Gelvor": the program's own text, its version and licence.
  function about(gelvor) {
    const text = gelvor.aboutGelvor();
    const dialog = document.getElementById("frmAcercaDe");
    document.getElementById("frmAcercaDeTitle").textContent = text.title;
    dialog.querySelector(".about").innerHTML = text.html;
    dialog.querySelector(".accept").textContent = text.accept;
    return modal(dialog, { focus: dialog.querySelector(".accept") });
  }

  // "Guardar registro como": the name typed, or null.
  async function saveAs(words, proposed) {
    const dialog = document.getElementById("guardarComo");
    document.getElementById("guardarComoTitle").textContent = words.title;
    labelled(dialog.querySelector("label"), words.label);
    const name = document.getElementById("nombreArchivo");
    name.value = proposed;
    labelled(dialog.querySelector(".accept"), words.accept);
    dialog.querySelector(".cancel").textContent = words.cancel;
    const answer = await modal(dialog, { focus: name });
    return answer === "ok" && name.value.trim() ? name.value.trim() : null;
  }

  // "Exportar gráfica": the suffix of the kind chosen ("png", "svg"), or null.
  async function pictureKind(words) {
    const dialog = document.getElementById("exportarImagen");
    document.getElementById("exportarImagenTitle").textContent = words.title;
    const kinds = dialog.querySelector(".kinds");
    kinds.replaceChildren();
    const radios = words.kinds.map(({ name, suffix }, i) => {
      const label = kinds.appendChild(element("label"));
      const radio = label.appendChild(element("input", { type: "radio", name: "tipoImagen", value: suffix }));
      radio.checked = i === 0;
      label.append(` ${name}`);
      return radio;
    });
    labelled(dialog.querySelector(".accept"), words.accept);
    dialog.querySelector(".cancel").textContent = words.cancel;
    const answer = await modal(dialog, { focus: radios[0] });
    return answer === "ok" ? radios.find((r) => r.checked).value : null;
  }

  return { mnemonic, modal, conditions, question, keyList, about, saveAs, pictureKind };
})();
